# trq3100-sim: the OSPF host table window and its editor (the product MIB's OSPF host
# table, indexed by the host's IP address and type of service; both index columns are
# readable). Format: sim/README.md. Columns: metric (1..65535), area ID, status
# (RowStatus). A created row gets its index columns from the instance.
@subtree 1.3.6.1.4.1.32473.11.78.1.3.6

@column 1.3.6.1.4.1.32473.11.78.1.3.6.1 1 IPADDRESS ro
@column 1.3.6.1.4.1.32473.11.78.1.3.6.1 2 INTEGER ro
@column 1.3.6.1.4.1.32473.11.78.1.3.6.1 3 INTEGER rc 1
@column 1.3.6.1.4.1.32473.11.78.1.3.6.1 4 IPADDRESS rc 0.0.0.0
@column 1.3.6.1.4.1.32473.11.78.1.3.6.1 5 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.11.78.1.3.6.1 5
@index 1.3.6.1.4.1.32473.11.78.1.3.6.1 1 2
@range 1.3.6.1.4.1.32473.11.78.1.3.6.1.3 1-65535

1.3.6.1.4.1.32473.11.78.1.3.6.1.1.10.1.1.5.0 IPADDRESS ro 10.1.1.5
1.3.6.1.4.1.32473.11.78.1.3.6.1.2.10.1.1.5.0 INTEGER ro 0
1.3.6.1.4.1.32473.11.78.1.3.6.1.3.10.1.1.5.0 INTEGER rc 10
1.3.6.1.4.1.32473.11.78.1.3.6.1.4.10.1.1.5.0 IPADDRESS rc 0.0.0.0
1.3.6.1.4.1.32473.11.78.1.3.6.1.5.10.1.1.5.0 INTEGER rc 1

1.3.6.1.4.1.32473.11.78.1.3.6.1.1.192.168.3.7.0 IPADDRESS ro 192.168.3.7
1.3.6.1.4.1.32473.11.78.1.3.6.1.2.192.168.3.7.0 INTEGER ro 0
1.3.6.1.4.1.32473.11.78.1.3.6.1.3.192.168.3.7.0 INTEGER rc 20
1.3.6.1.4.1.32473.11.78.1.3.6.1.4.192.168.3.7.0 IPADDRESS rc 0.0.0.1
1.3.6.1.4.1.32473.11.78.1.3.6.1.5.192.168.3.7.0 INTEGER rc 1

1.3.6.1.4.1.32473.11.78.1.3.6.1.1.192.168.3.8.2 IPADDRESS ro 192.168.3.8
1.3.6.1.4.1.32473.11.78.1.3.6.1.2.192.168.3.8.2 INTEGER ro 2
1.3.6.1.4.1.32473.11.78.1.3.6.1.3.192.168.3.8.2 INTEGER rc 30
1.3.6.1.4.1.32473.11.78.1.3.6.1.4.192.168.3.8.2 IPADDRESS rc 0.0.0.1
1.3.6.1.4.1.32473.11.78.1.3.6.1.5.192.168.3.8.2 INTEGER rc 1
