# trq3100-sim: the RADIUS server table window and its editor (the RADIUS server table,
# index 1..3), the AAA server information window (server hosts, indexed by IP address and
# protocol), the AAA server control window (server group membership, indexed by the group
# name as length and characters, the IP address and the protocol; row state 1 add /
# 2 delete), and the login and enable method list windows (indexed by the list name as
# length and characters). Format: sim/README.md.
# A method that is not set reads 0; each method list table has its list "default".
@subtree 1.3.6.1.4.1.32473.12.3.2.4
@subtree 1.3.6.1.4.1.32473.12.5.3
@subtree 1.3.6.1.4.1.32473.12.5.4
@subtree 1.3.6.1.4.1.32473.12.5.10
@subtree 1.3.6.1.4.1.32473.12.5.12

# ---------------------------------------------------------------------------------------
# RADIUS servers: IP address, key, authentication and accounting ports, RowStatus. Row 3
# is free.
@column 1.3.6.1.4.1.32473.12.3.2.4.1 2 IPADDRESS rc 0.0.0.0
@column 1.3.6.1.4.1.32473.12.3.2.4.1 3 STRING rc ""
@column 1.3.6.1.4.1.32473.12.3.2.4.1 4 INTEGER rc 1812
@column 1.3.6.1.4.1.32473.12.3.2.4.1 5 INTEGER rc 1813
@column 1.3.6.1.4.1.32473.12.3.2.4.1 6 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.3.2.4.1 6
@size 1.3.6.1.4.1.32473.12.3.2.4.1.3 0-32
@range 1.3.6.1.4.1.32473.12.3.2.4.1.4 1-65535
@range 1.3.6.1.4.1.32473.12.3.2.4.1.5 1-65535
@rows 1.3.6.1.4.1.32473.12.3.2.4.1 1 1 index=1
2 IPADDRESS rc 10.90.90.11
3 STRING rc radkey1
4 INTEGER rc 1812
5 INTEGER rc 1813
6 INTEGER rc 1
@end
@rows 1.3.6.1.4.1.32473.12.3.2.4.1 2 2 index=2
2 IPADDRESS rc 10.90.90.12
3 STRING rc ""
4 INTEGER rc 1645
5 INTEGER rc 1646
6 INTEGER rc 1
@end

# ---------------------------------------------------------------------------------------
# AAA server hosts: port, key, time-out, retry count, RowStatus; index IP address and
# protocol (1 tacacs, 2 xtacacs, 3 tacacs-plus, 4 radius).
@column 1.3.6.1.4.1.32473.12.5.10.1 3 INTEGER rc 49
@column 1.3.6.1.4.1.32473.12.5.10.1 4 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.10.1 5 INTEGER rc 5
@column 1.3.6.1.4.1.32473.12.5.10.1 6 INTEGER rc 2
@column 1.3.6.1.4.1.32473.12.5.10.1 7 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.5.10.1 7
@range 1.3.6.1.4.1.32473.12.5.10.1.3 1-65535
@size 1.3.6.1.4.1.32473.12.5.10.1.4 0-254
@range 1.3.6.1.4.1.32473.12.5.10.1.5 1-255
@range 1.3.6.1.4.1.32473.12.5.10.1.6 1-255
@rows 1.3.6.1.4.1.32473.12.5.10.1 1 1 index=10.90.90.11.4
3 INTEGER rc 1812
4 STRING rc radkey1
5 INTEGER rc 5
6 INTEGER rc 2
7 INTEGER rc 1
@end
@rows 1.3.6.1.4.1.32473.12.5.10.1 1 1 index=10.90.90.20.3
3 INTEGER rc 49
4 STRING rc tackey
5 INTEGER rc 10
6 INTEGER rc 3
7 INTEGER rc 1
@end

# ---------------------------------------------------------------------------------------
# AAA server group membership: row state 1 add / 2 delete (deletes the row); index group
# name, IP address, protocol. Group "radius" holds 10.90.90.11 (radius).
@column 1.3.6.1.4.1.32473.12.5.12.1 4 INTEGER rc 1
@state 1.3.6.1.4.1.32473.12.5.12.1 4 2
@range 1.3.6.1.4.1.32473.12.5.12.1.4 1-2
1.3.6.1.4.1.32473.12.5.12.1.4.6.114.97.100.105.117.115.10.90.90.11.4 INTEGER rc 1

# ---------------------------------------------------------------------------------------
# Login method lists: type and server group of methods 1 to 4 (types 1 tacacs, 2 xtacacs,
# 3 tacacs-plus, 4 radius, 5 server-group, 6 local, 8 none), RowStatus. "default" (local)
# and "tacgroup" (server group "radius", then local).
@column 1.3.6.1.4.1.32473.12.5.3.1 2 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.3.1 3 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.3.1 4 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.3.1 5 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.3.1 6 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.3.1 7 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.3.1 8 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.3.1 9 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.3.1 10 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.5.3.1 10
@range 1.3.6.1.4.1.32473.12.5.3.1.2 1-6,8-8
@range 1.3.6.1.4.1.32473.12.5.3.1.4 1-6,8-8
@range 1.3.6.1.4.1.32473.12.5.3.1.6 1-6,8-8
@range 1.3.6.1.4.1.32473.12.5.3.1.8 1-6,8-8
@size 1.3.6.1.4.1.32473.12.5.3.1.3 0-15
@size 1.3.6.1.4.1.32473.12.5.3.1.5 0-15
@size 1.3.6.1.4.1.32473.12.5.3.1.7 0-15
@size 1.3.6.1.4.1.32473.12.5.3.1.9 0-15
@rows 1.3.6.1.4.1.32473.12.5.3.1 1 1 index=7.100.101.102.97.117.108.116
2 INTEGER rc 6
3 STRING rc ""
4 INTEGER rc 0
5 STRING rc ""
6 INTEGER rc 0
7 STRING rc ""
8 INTEGER rc 0
9 STRING rc ""
10 INTEGER rc 1
@end
@rows 1.3.6.1.4.1.32473.12.5.3.1 1 1 index=8.116.97.99.103.114.111.117.112
2 INTEGER rc 5
3 STRING rc radius
4 INTEGER rc 6
5 STRING rc ""
6 INTEGER rc 0
7 STRING rc ""
8 INTEGER rc 0
9 STRING rc ""
10 INTEGER rc 1
@end

# ---------------------------------------------------------------------------------------
# Enable method lists: as the login lists, with 7 local-enable in place of 6 local.
# "default" (local-enable).
@column 1.3.6.1.4.1.32473.12.5.4.1 2 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.4.1 3 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.4.1 4 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.4.1 5 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.4.1 6 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.4.1 7 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.4.1 8 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.5.4.1 9 STRING rc ""
@column 1.3.6.1.4.1.32473.12.5.4.1 10 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.5.4.1 10
@range 1.3.6.1.4.1.32473.12.5.4.1.2 1-5,7-8
@range 1.3.6.1.4.1.32473.12.5.4.1.4 1-5,7-8
@range 1.3.6.1.4.1.32473.12.5.4.1.6 1-5,7-8
@range 1.3.6.1.4.1.32473.12.5.4.1.8 1-5,7-8
@size 1.3.6.1.4.1.32473.12.5.4.1.3 0-15
@size 1.3.6.1.4.1.32473.12.5.4.1.5 0-15
@size 1.3.6.1.4.1.32473.12.5.4.1.7 0-15
@size 1.3.6.1.4.1.32473.12.5.4.1.9 0-15
@rows 1.3.6.1.4.1.32473.12.5.4.1 1 1 index=7.100.101.102.97.117.108.116
2 INTEGER rc 7
3 STRING rc ""
4 INTEGER rc 0
5 STRING rc ""
6 INTEGER rc 0
7 STRING rc ""
8 INTEGER rc 0
9 STRING rc ""
10 INTEGER rc 1
@end
