# trq3100-sim test profile: the shipped chassis plus tables for the tests' edge cases.
# Format: see trq3100.profile and README.md. All test tables lie under 1.3.6.1.4.1.32473.99.
@include trq3100.profile

# RowStatus table 99.2.1: index, name (required, 1..16 octets), value (default 0),
# address (default 0.0.0.0), RowStatus. Rows 1 and 2 exist and are active.
@column 1.3.6.1.4.1.32473.99.2.1 2 STRING rc
@column 1.3.6.1.4.1.32473.99.2.1 3 INTEGER rc 0
@column 1.3.6.1.4.1.32473.99.2.1 4 IPADDRESS rc 0.0.0.0
@column 1.3.6.1.4.1.32473.99.2.1 5 INTEGER rc
@index 1.3.6.1.4.1.32473.99.2.1 1
@rowstatus 1.3.6.1.4.1.32473.99.2.1 5
@required 1.3.6.1.4.1.32473.99.2.1 2
@size 1.3.6.1.4.1.32473.99.2.1.2 1-16
@range 1.3.6.1.4.1.32473.99.2.1.3 0-1000
@rows 1.3.6.1.4.1.32473.99.2.1 1 2
1 INTEGER ro {i}
2 STRING rc "entry {i}"
3 INTEGER rc {i * 10}
4 IPADDRESS rc 10.0.0.{i}
5 INTEGER rc 1
@end

# State-column table 99.3.1: index, MAC address, port, state (1 other, 2 invalid (deletes
# the row), 3 permanent). A set of the state column to 3 on a new index creates a row.
@column 1.3.6.1.4.1.32473.99.3.1 2 HEX rw 000000000000
@column 1.3.6.1.4.1.32473.99.3.1 3 INTEGER rw 1
@column 1.3.6.1.4.1.32473.99.3.1 4 INTEGER rw
@index 1.3.6.1.4.1.32473.99.3.1 1
@state 1.3.6.1.4.1.32473.99.3.1 4 2
@size 1.3.6.1.4.1.32473.99.3.1.2 6-6
@range 1.3.6.1.4.1.32473.99.3.1.4 1-3
@rows 1.3.6.1.4.1.32473.99.3.1 1 3
1 INTEGER ro {i}
2 HEX rw 00 80 C8 00 00 0{i}
3 INTEGER rw {i}
4 INTEGER rw 3
@end

# Table with holes 99.4.1: rows 1..5 of three columns; row 3 lacks column 2, row 5 lacks
# column 3.
@rows 1.3.6.1.4.1.32473.99.4.1 1 5
1 INTEGER ro {i}
2 STRING ro row {i}
3 INTEGER rw {i * 100}
@end
@delete 1.3.6.1.4.1.32473.99.4.1.2.3
@delete 1.3.6.1.4.1.32473.99.4.1.3.5

# Two per-port tables with different index sets: 99.5.1 has every port of every unit,
# 99.6.1 only the odd positions.
@ports 1.3.6.1.4.1.32473.99.5.1
1 INTEGER ro {port}
2 COUNTER ro {port * 1000}
@end
@ports 1.3.6.1.4.1.32473.99.6.1 where=pos%2==1
1 INTEGER ro {port}
2 GAUGE ro {pos}
@end

# One object of every SMI type, 99.7.1.0 .. 99.7.10.0.
1.3.6.1.4.1.32473.99.7.1.0 INTEGER rw -5
1.3.6.1.4.1.32473.99.7.2.0 STRING rw "two words"
1.3.6.1.4.1.32473.99.7.3.0 HEX rw 00 01 FE FF
1.3.6.1.4.1.32473.99.7.4.0 OID rw 1.3.6.1.4.1.32473.99
1.3.6.1.4.1.32473.99.7.5.0 IPADDRESS rw 192.168.1.20
1.3.6.1.4.1.32473.99.7.6.0 COUNTER ro 4294967295
1.3.6.1.4.1.32473.99.7.7.0 GAUGE rw 100
1.3.6.1.4.1.32473.99.7.8.0 TIMETICKS ro 12345
1.3.6.1.4.1.32473.99.7.9.0 COUNTER64 ro 18446744073709551615
1.3.6.1.4.1.32473.99.7.10.0 OPAQUE ro 9F 78 04 3F 80 00 00

# Table with a hole in every place a walk meets one, 99.11.1: rows 1..5 of four columns.
# Column 1 (the index) lacks row 2, column 2 lacks row 1 (the first row), column 3 lacks
# row 5 (the last row), column 4 has no row at all.
@rows 1.3.6.1.4.1.32473.99.11.1 1 5
1 INTEGER ro {i}
2 STRING ro row {i}
3 INTEGER ro {i * 100}
@end
@delete 1.3.6.1.4.1.32473.99.11.1.1.2
@delete 1.3.6.1.4.1.32473.99.11.1.2.1
@delete 1.3.6.1.4.1.32473.99.11.1.3.5

# Values that are no value of their column's type, 99.12.1: rows 1..3 of an index, a
# DateAndTime and a double (8 octets, little-endian). Row 2's DateAndTime has 5 octets,
# row 3's double 3.
@rows 1.3.6.1.4.1.32473.99.12.1 1 3
1 INTEGER ro {i}
2 HEX ro 07 D6 0C 1B 0D 05 09 00 2B 08 00
3 HEX ro 00 00 00 00 00 00 04 40
@end
1.3.6.1.4.1.32473.99.12.1.2.2 HEX ro 07 D6 0C 1B 0D
1.3.6.1.4.1.32473.99.12.1.3.3 HEX ro 00 00 04
