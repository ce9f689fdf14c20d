# Profile of the binding tests: the test profile plus a table and a scalar group whose
# columns exercise every kind of control binding.
@include ../../sim/test.profile

# Binding table 99.8.1, rows 1..3: index, name, nway (2..6 and 8..10 settable; row 3 holds 7,
# a value without a label), state (1 enabled, 2 disabled), flag (2 disabled, 3 enabled),
# PortList (72 octets), record (8 octets with sub-fields), address, time, number
# (1..65535), a read-only counter.
@range 1.3.6.1.4.1.32473.99.8.1.3 2-6,8-10
@range 1.3.6.1.4.1.32473.99.8.1.4 1-2
@range 1.3.6.1.4.1.32473.99.8.1.5 2-3
@range 1.3.6.1.4.1.32473.99.8.1.10 1-65535
@size 1.3.6.1.4.1.32473.99.8.1.2 1-16
@rows 1.3.6.1.4.1.32473.99.8.1 1 3
1 INTEGER ro {i}
2 STRING rw "name {i}"
3 INTEGER rw {i == 3 ? 7 : i * 2}
4 INTEGER rw {i % 2 + 1}
5 INTEGER rw {i == 2 ? 3 : 2}
6 HEX rw 80 40 11 11 11 11 11 11 80 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 01 A5 A5 A5 A5 A5 A5 A5 A5
7 HEX rw 01 02 03 04 05 06 07 0{i}
8 IPADDRESS rw 10.1.{i}.20
9 TIMETICKS rw {8640000 + 360000 + 6000 + 100 + i}
10 INTEGER rw {i * 100}
11 COUNTER ro {i * 1000}
@end

# Scalar group 99.9: a record with sub-fields, a PortList, an address, a time, a flag.
1.3.6.1.4.1.32473.99.9.1.0 HEX rw 0A 0B 0C 0D 0E 0F 10 11
1.3.6.1.4.1.32473.99.9.2.0 HEX rw 80 40 11 11 11 11 11 11 80 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 11 01 A5 A5 A5 A5 A5 A5 A5 A5
1.3.6.1.4.1.32473.99.9.3.0 IPADDRESS rw 192.168.1.20
1.3.6.1.4.1.32473.99.9.4.0 TIMETICKS rw 100
1.3.6.1.4.1.32473.99.9.5.0 INTEGER rw 3
