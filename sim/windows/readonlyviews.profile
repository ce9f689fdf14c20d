# trq3100-sim: the read-only table windows: the CIDR routing table (IP-FORWARD-MIB
# ipCidrRouteTable, index destination.mask.tos.nexthop), the IGMP source list (index
# ifIndex.source router.host), the 802.1X PAE port capabilities (dot1xPaePortTable, BITS:
# authenticator 0x80, supplicant 0x40) and the equipment capacity and stacking objects.
# Format: sim/README.md.
@subtree 1.3.6.1.2.1.4.24.4
@subtree 1.0.8802.1.1.1.1.1.2

# Routes: the connected networks of the IP interfaces, a static default route and an OSPF one.
@rows 1.3.6.1.2.1.4.24.4.1 1 1 index=0.0.0.0.0.0.0.0.0.10.90.90.254
1 IPADDRESS ro 0.0.0.0
2 IPADDRESS ro 0.0.0.0
3 INTEGER ro 0
4 IPADDRESS ro 10.90.90.254
5 INTEGER rw 1
6 INTEGER rw 4
7 INTEGER ro 3
8 INTEGER ro 120
9 OID rw 0.0
10 INTEGER rw 0
11 INTEGER rw 1
12 INTEGER rw -1
13 INTEGER rw -1
14 INTEGER rw -1
15 INTEGER rw -1
16 INTEGER rw 1
@end
@rows 1.3.6.1.2.1.4.24.4.1 1 2 index=10.{i*80+10}.0.0.255.255.0.0.0.0.0.0.0
1 IPADDRESS ro 10.{i*80+10}.0.0
2 IPADDRESS ro 255.255.0.0
3 INTEGER ro 0
4 IPADDRESS ro 0.0.0.0
5 INTEGER rw {i}
6 INTEGER rw 3
7 INTEGER ro 2
8 INTEGER ro {i * 300}
9 OID rw 0.0
10 INTEGER rw 0
11 INTEGER rw 1
12 INTEGER rw -1
13 INTEGER rw -1
14 INTEGER rw -1
15 INTEGER rw -1
16 INTEGER rw 1
@end
@rows 1.3.6.1.2.1.4.24.4.1 1 1 index=172.18.0.0.255.255.255.0.0.10.90.90.1
1 IPADDRESS ro 172.18.0.0
2 IPADDRESS ro 255.255.255.0
3 INTEGER ro 0
4 IPADDRESS ro 10.90.90.1
5 INTEGER rw 1
6 INTEGER rw 4
7 INTEGER ro 13
8 INTEGER ro 45
9 OID rw 0.0
10 INTEGER rw 0
11 INTEGER rw 20
12 INTEGER rw -1
13 INTEGER rw -1
14 INTEGER rw -1
15 INTEGER rw -1
16 INTEGER rw 1
@end

# IGMP source list: two hosts behind one source router on interface 1, one on interface 2.
@rows 1.3.6.1.4.1.32473.12.18.1.10.1 1 3 index={i<3?1:2}.10.90.90.{i<3?1:2}.10.90.91.{i}
2 INTEGER ro {i<3?1:2}
3 IPADDRESS ro 10.90.90.{i<3?1:2}
4 IPADDRESS ro 10.90.91.{i}
5 TIMETICKS ro {i * 1500}
@end

# 802.1X PAE capabilities per port: authenticator on every port but each fourth, which
# is a supplicant only.
@ports 1.0.8802.1.1.1.1.1.2.1
1 INTEGER ro {port}
2 INTEGER ro 2
3 HEX ro {pos % 4 == 0 ? 40 : 80}
4 INTEGER rw 2
5 INTEGER rw 2
@end

# Equipment: capacity bits (redundant power, stacking) and the stacking information.
1.3.6.1.4.1.32473.12.11.1.1.0 HEX ro C0
1.3.6.1.4.1.32473.12.11.1.9.1.0 INTEGER ro 2
1.3.6.1.4.1.32473.12.11.1.9.2.0 INTEGER ro 8
1.3.6.1.4.1.32473.12.11.1.9.3.0 INTEGER ro 5
1.3.6.1.4.1.32473.12.11.1.9.4.0 STRING ro Duplex Chain
