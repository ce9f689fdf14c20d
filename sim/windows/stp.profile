# trq3100-sim: the spanning tree windows: the switch's settings (version, timers in
# hundredths of a second, hops, hold count, BPDU forwarding, loopback detection), the
# BRIDGE-MIB port and RSTP port tables with the product's path cost, the MSTP port state and
# port information tables, and the spanning tree switch. Format: sim/README.md.
@subtree 1.3.6.1.2.1.17.2.15
@subtree 1.3.6.1.2.1.17.2.19

1.3.6.1.4.1.32473.12.15.1.2.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.12.15.1.2 0-2
1.3.6.1.4.1.32473.12.15.1.3.0 INTEGER rw 2000
@range 1.3.6.1.4.1.32473.12.15.1.3 600-4000
1.3.6.1.4.1.32473.12.15.1.4.0 INTEGER rw 200
@range 1.3.6.1.4.1.32473.12.15.1.4 100-1000
1.3.6.1.4.1.32473.12.15.1.5.0 INTEGER rw 1500
@range 1.3.6.1.4.1.32473.12.15.1.5 400-3000
1.3.6.1.4.1.32473.12.15.1.6.0 INTEGER rw 20
@range 1.3.6.1.4.1.32473.12.15.1.6 1-20
1.3.6.1.4.1.32473.12.15.1.7.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.12.15.1.7 1-10
1.3.6.1.4.1.32473.12.15.1.8.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.15.1.8 2-3
1.3.6.1.4.1.32473.12.15.1.9.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.12.15.1.9 2-3
1.3.6.1.4.1.32473.12.15.1.10.0 INTEGER rw 60
@range 1.3.6.1.4.1.32473.12.15.1.10 0,60-1000000

# The spanning tree switch (2 disabled, 3 enabled).
1.3.6.1.4.1.32473.11.78.1.2.1.2.1.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.1 2-3

# BRIDGE-MIB dot1dStpPortTable: port, priority, state, enable; the RSTP extension
# (migration, admin edge, admin point-to-point) and the product's path cost, every port.
@ports 1.3.6.1.2.1.17.2.15.1
1 INTEGER ro {port}
2 INTEGER rw 128
3 INTEGER ro {linkup ? 5 : 1}
4 INTEGER rw 1
@end
@range 1.3.6.1.2.1.17.2.15.1.2 0-240
@range 1.3.6.1.2.1.17.2.15.1.4 1-2
@ports 1.3.6.1.2.1.17.2.19.1
1 INTEGER rw 2
2 INTEGER rw {pos % 4 == 1 ? 1 : 2}
4 INTEGER rw 2
@end
@range 1.3.6.1.2.1.17.2.19.1.1 1-2
@range 1.3.6.1.2.1.17.2.19.1.2 1-2
@range 1.3.6.1.2.1.17.2.19.1.4 0-2
@ports 1.3.6.1.4.1.32473.11.78.1.2.16.4.1
6 INTEGER rw {pos % 2 ? 200000 : 20000}
@end
@range 1.3.6.1.4.1.32473.11.78.1.2.16.4.1.6 1-200000000

# MSTP port table: admin and operational hello time, enable, external path cost,
# migration, admin and operational edge, admin and operational point-to-point, loopback
# detection; every port.
@ports 1.3.6.1.4.1.32473.12.15.2.4.1
2 INTEGER rw 200
3 INTEGER ro 200
4 INTEGER rw 1
5 INTEGER rw {pos % 2 ? 200000 : 20000}
6 INTEGER rw 2
7 INTEGER rw 2
8 INTEGER ro 2
9 INTEGER rw 2
10 INTEGER ro 0
11 INTEGER rw 2
@end
@range 1.3.6.1.4.1.32473.12.15.2.4.1.2 100-1000
@range 1.3.6.1.4.1.32473.12.15.2.4.1.4 1-2
@range 1.3.6.1.4.1.32473.12.15.2.4.1.5 0-200000000

# MSTP port information: the CIST (instance 0) and instance 1 of every port; designated
# bridge, internal path cost, priority, status, role.
@ports 1.3.6.1.4.1.32473.12.15.2.5.1 index={port}.0
3 HEX ro 80 00 00 80 C8 10 00 01
4 INTEGER rw 20000
5 INTEGER rw 128
6 INTEGER ro {linkup ? 5 : 2}
7 INTEGER ro {linkup ? 4 : 0}
@end
@ports 1.3.6.1.4.1.32473.12.15.2.5.1 index={port}.1
3 HEX ro 80 01 00 80 C8 10 00 01
4 INTEGER rw 20000
5 INTEGER rw 128
6 INTEGER ro {linkup ? 5 : 2}
7 INTEGER ro {linkup ? 4 : 0}
@end
@range 1.3.6.1.4.1.32473.12.15.2.5.1.4 0-200000000
@range 1.3.6.1.4.1.32473.12.15.2.5.1.5 0-240
