# trq3100-sim: the aggregator port table window (the product's 802.3ad LACP port table,
# one row per port, keyed by the port number). The four LACP states are one octet each,
# lacpActivity the most significant bit: actor admin activity + timeout (C0), actor oper
# activity + collecting (88), partner admin expired (01), partner oper aggregation +
# synchronisation + collecting + distributing (3C). Format: sim/README.md.
@subtree 1.3.6.1.4.1.32473

# Index, actor system priority and ID, actor admin and oper keys, partner admin and oper
# system priority and ID, partner admin and oper keys, selected and attached aggregator,
# actor port and its priority, partner admin and oper port and their priorities, the four
# states, aggregate (1 true) or individual (2 false).
@ports 1.3.6.1.4.1.32473.12.4.1.2.1.1
1 INTEGER na {port}
2 INTEGER ro 32768
3 HEX ro 00 80 C8 10 00 01
4 INTEGER ro {port}
5 INTEGER ro {port}
6 INTEGER ro 0
7 INTEGER ro 32768
8 HEX ro 00 00 00 00 00 00
9 HEX ro 00 80 C8 40 00 {pos + 10}
10 INTEGER ro 0
11 INTEGER ro {port}
12 INTEGER ro {port}
13 INTEGER ro {port}
14 INTEGER ro {pos}
15 INTEGER ro 128
16 INTEGER ro 0
17 INTEGER ro {pos}
18 INTEGER ro 0
19 INTEGER ro 128
20 HEX ro C0
21 HEX ro 88
22 HEX ro 01
23 HEX ro 3C
24 INTEGER ro {pos % 2 ? 1 : 2}
@end
