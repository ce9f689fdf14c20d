# trq3100-sim: the interface extension table window (IF-MIB ifTable and ifXTable). One
# interface per port (ifIndex = port number), and the switch's management interface
# (System, ifIndex 1025), which has no link up/down trap setting: a walk of the trap
# column ends one row before the others. Format: sim/README.md.
@subtree 1.3.6.1.2.1.2
@subtree 1.3.6.1.2.1.31

# ifNumber: the ports of the installed units (24 + 12 + 12 + 16 + 2) and System.
1.3.6.1.2.1.2.1.0 INTEGER ro 67

# ifTable: index, description, type (6 ethernetCsmacd), MTU, speed, physical address,
# admin status (1 up), operational status (1 up, 2 down).
@ports 1.3.6.1.2.1.2.2.1
1 INTEGER ro {port}
2 STRING ro "Port {unit}:{pos}"
3 INTEGER ro 6
4 INTEGER ro 1500
5 GAUGE ro {linkup ? 100000000 : 0}
6 HEX ro 00 80 C8 20 0{unit} {pos + 10}
7 INTEGER rw 1
8 INTEGER ro {linkup ? 1 : 2}
@end
@range 1.3.6.1.2.1.2.2.1.7 1-3
1.3.6.1.2.1.2.2.1.1.1025 INTEGER ro 1025
1.3.6.1.2.1.2.2.1.2.1025 STRING ro System
1.3.6.1.2.1.2.2.1.3.1025 INTEGER ro 53
1.3.6.1.2.1.2.2.1.4.1025 INTEGER ro 1500
1.3.6.1.2.1.2.2.1.5.1025 GAUGE ro 0
1.3.6.1.2.1.2.2.1.6.1025 HEX ro 00 80 C8 20 00 01
1.3.6.1.2.1.2.2.1.7.1025 INTEGER rw 1
1.3.6.1.2.1.2.2.1.8.1025 INTEGER ro 1

# ifXTable: name, multicast and broadcast counters in and out, link up/down trap enable
# (1 enabled, 2 disabled), high speed (Mb/s), promiscuous mode and connector present
# (1 true, 2 false), alias (at most 64 characters), counter discontinuity time.
@ports 1.3.6.1.2.1.31.1.1.1
1 STRING ro {unit}:{pos}
2 COUNTER ro {port * 3}
3 COUNTER ro {port * 5}
4 COUNTER ro {port * 7}
5 COUNTER ro {port * 11}
14 INTEGER rw {pos % 3 == 0 ? 2 : 1}
15 GAUGE ro {linkup ? 100 : 0}
16 INTEGER rw 2
17 INTEGER ro 1
18 STRING rw ""
19 TIMETICKS ro 0
@end
@range 1.3.6.1.2.1.31.1.1.1.14 1-2
@range 1.3.6.1.2.1.31.1.1.1.16 1-2
@size 1.3.6.1.2.1.31.1.1.1.18 0-64
1.3.6.1.2.1.31.1.1.1.1.1025 STRING ro System
1.3.6.1.2.1.31.1.1.1.2.1025 COUNTER ro 40
1.3.6.1.2.1.31.1.1.1.3.1025 COUNTER ro 41
1.3.6.1.2.1.31.1.1.1.4.1025 COUNTER ro 42
1.3.6.1.2.1.31.1.1.1.5.1025 COUNTER ro 43
1.3.6.1.2.1.31.1.1.1.15.1025 GAUGE ro 0
1.3.6.1.2.1.31.1.1.1.16.1025 INTEGER rw 2
1.3.6.1.2.1.31.1.1.1.17.1025 INTEGER ro 2
1.3.6.1.2.1.31.1.1.1.18.1025 STRING rw mgmt
1.3.6.1.2.1.31.1.1.1.19.1025 TIMETICKS ro 0
