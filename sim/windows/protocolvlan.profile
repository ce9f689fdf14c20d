# trq3100-sim: the protocol VLAN window (enterprise protocol VLAN table, index VLAN ID):
# name, protocol type, advertisement, user-defined protocol number, encapsulation and
# RowStatus. Format: sim/README.md. Protocol types 1..8 and 10..17 (9 is not used);
# advertisement 1 enabled / 2 disabled; encapsulation 1 ethernet, 2 llc, 3 snap, 4 all.
@subtree 1.3.6.1.4.1.32473.12.16

@column 1.3.6.1.4.1.32473.12.16.1.1.1 2 STRING rc ""
@column 1.3.6.1.4.1.32473.12.16.1.1.1 3 INTEGER rc 1
@column 1.3.6.1.4.1.32473.12.16.1.1.1 4 INTEGER rc 2
@column 1.3.6.1.4.1.32473.12.16.1.1.1 5 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.16.1.1.1 6 INTEGER rc 1
@column 1.3.6.1.4.1.32473.12.16.1.1.1 7 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.16.1.1.1 7
@size 1.3.6.1.4.1.32473.12.16.1.1.1.2 0-32
@range 1.3.6.1.4.1.32473.12.16.1.1.1.3 1-8,10-17
@range 1.3.6.1.4.1.32473.12.16.1.1.1.4 1-2
@range 1.3.6.1.4.1.32473.12.16.1.1.1.5 0-65535
@range 1.3.6.1.4.1.32473.12.16.1.1.1.6 1-4

1.3.6.1.4.1.32473.12.16.1.1.1.2.1 STRING rc default
1.3.6.1.4.1.32473.12.16.1.1.1.3.1 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.4.1 INTEGER rc 2
1.3.6.1.4.1.32473.12.16.1.1.1.5.1 INTEGER rc 0
1.3.6.1.4.1.32473.12.16.1.1.1.6.1 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.7.1 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.2.5 STRING rc ipnet
1.3.6.1.4.1.32473.12.16.1.1.1.3.5 INTEGER rc 2
1.3.6.1.4.1.32473.12.16.1.1.1.4.5 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.5.5 INTEGER rc 0
1.3.6.1.4.1.32473.12.16.1.1.1.6.5 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.7.5 INTEGER rc 1
1.3.6.1.4.1.32473.12.16.1.1.1.2.100 STRING rc lab
1.3.6.1.4.1.32473.12.16.1.1.1.3.100 INTEGER rc 16
1.3.6.1.4.1.32473.12.16.1.1.1.4.100 INTEGER rc 2
1.3.6.1.4.1.32473.12.16.1.1.1.5.100 INTEGER rc 2048
1.3.6.1.4.1.32473.12.16.1.1.1.6.100 INTEGER rc 3
1.3.6.1.4.1.32473.12.16.1.1.1.7.100 INTEGER rc 1
