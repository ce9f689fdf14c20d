# trq3100-sim: the IP interface window and its editor (the product MIB's IP interface
# table, indexed by the interface's IP address) and the static route window and its editor
# (the static route table, indexed by destination, mask, backup state and next hop).
# Format: sim/README.md. The "System" interface sits on VLAN "default"; VLAN "v20" has a
# primary and a secondary interface; no default route is configured.
@subtree 1.3.6.1.4.1.32473.11.78.1.3.2.1
@subtree 1.3.6.1.4.1.32473.11.78.1.3.2.5

# IP interfaces: IF index, name, mask, VLAN name, mode, secondary, state (RowStatus),
# operational state, admin state.
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 2 INTEGER ro 0
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 3 STRING rc ""
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 4 IPADDRESS rc 0.0.0.0
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 5 STRING rc ""
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 6 INTEGER rc 2
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 7 INTEGER rc 2
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 8 INTEGER rc
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 9 INTEGER ro 2
@column 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 10 INTEGER rc 3
@rowstatus 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 8
@size 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.3 0-12
@size 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.5 0-32
@range 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.6 2-4
@range 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.7 1-2
@range 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1.10 2-3

@rows 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 1 1 index=10.90.90.90
2 INTEGER ro 1
3 STRING rc System
4 IPADDRESS rc 255.0.0.0
5 STRING rc default
6 INTEGER rc 2
7 INTEGER rc 2
8 INTEGER rc 1
9 INTEGER ro 2
10 INTEGER rc 3
@end
@rows 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 1 1 index=192.168.1.1
2 INTEGER ro 2
3 STRING rc ip_v10
4 IPADDRESS rc 255.255.255.0
5 STRING rc v10
6 INTEGER rc 2
7 INTEGER rc 2
8 INTEGER rc 1
9 INTEGER ro 2
10 INTEGER rc 3
@end
@rows 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 1 1 index=192.168.2.1
2 INTEGER ro 3
3 STRING rc ip_v20
4 IPADDRESS rc 255.255.255.0
5 STRING rc v20
6 INTEGER rc 2
7 INTEGER rc 2
8 INTEGER rc 1
9 INTEGER ro 3
10 INTEGER rc 2
@end
@rows 1.3.6.1.4.1.32473.11.78.1.3.2.1.1.1 1 1 index=172.16.1.1
2 INTEGER ro 4
3 STRING rc ip_v20b
4 IPADDRESS rc 255.255.0.0
5 STRING rc v20
6 INTEGER rc 2
7 INTEGER rc 1
8 INTEGER rc 1
9 INTEGER ro 2
10 INTEGER rc 3
@end

# Static routes: metric, status (RowStatus). Index: destination (4 arcs), mask (4), backup
# state (1 primary, 2 backup), next hop (4).
@column 1.3.6.1.4.1.32473.11.78.1.3.2.5.1 5 INTEGER rc 1
@column 1.3.6.1.4.1.32473.11.78.1.3.2.5.1 6 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.11.78.1.3.2.5.1 6
@range 1.3.6.1.4.1.32473.11.78.1.3.2.5.1.5 1-65535
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.5.10.20.0.0.255.255.0.0.1.192.168.1.254 INTEGER rc 1
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.6.10.20.0.0.255.255.0.0.1.192.168.1.254 INTEGER rc 1
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.5.10.20.0.0.255.255.0.0.2.192.168.2.254 INTEGER rc 2
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.6.10.20.0.0.255.255.0.0.2.192.168.2.254 INTEGER rc 1
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.5.172.20.1.0.255.255.255.0.1.192.168.1.253 INTEGER rc 5
1.3.6.1.4.1.32473.11.78.1.3.2.5.1.6.172.20.1.0.255.255.255.0.1.192.168.1.253 INTEGER rc 1
