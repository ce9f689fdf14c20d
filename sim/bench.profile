# trq3100-sim benchmark profile: the shipped chassis plus one large table.
#
# Benchmark table: entry 1.3.6.1.4.1.32473.99.1.1, 2000 rows (index 1..2000) x 4 columns:
#   .1 INTEGER   ro  the index
#   .2 STRING    rw  "bench row N" (up to 32 octets)
#   .3 COUNTER   ro  N * 1000
#   .4 INTEGER   rw  1 + N % 3
# A get-next walk of the whole table is 8000 varbinds; walking the four columns together
# is 2000 get-next requests of 4 varbinds.
#
# Two more tables of the same columns for the growth of a fill: 1.3.6.1.4.1.32473.99.20.1
# with 1000 rows and 1.3.6.1.4.1.32473.99.21.1 with 10000 rows.
@include trq3100.profile

@rows 1.3.6.1.4.1.32473.99.1.1 1 2000
1 INTEGER ro {i}
2 STRING rw bench row {i}
3 COUNTER ro {i * 1000}
4 INTEGER rw {1 + i % 3}
@end
@size 1.3.6.1.4.1.32473.99.1.1.2 0-32

@rows 1.3.6.1.4.1.32473.99.20.1 1 1000
1 INTEGER ro {i}
2 STRING rw bench row {i}
3 COUNTER ro {i * 1000}
4 INTEGER rw {1 + i % 3}
@end

@rows 1.3.6.1.4.1.32473.99.21.1 1 10000
1 INTEGER ro {i}
2 STRING rw bench row {i}
3 COUNTER ro {i * 1000}
4 INTEGER rw {1 + i % 3}
@end
