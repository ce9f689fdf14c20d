# trq3100-sim: the BOOTP/DHCP relay window and its editor (the product MIB's relay table,
# indexed by interface name (length-prefixed) and DHCP server address). Format:
# sim/README.md. The only served column is the state: valid(3) creates a row, invalid(2)
# removes it. Interface "System" relays to four servers, "ip_v10" to one.
@subtree 1.3.6.1.4.1.32473.11.78.1.3.3.1.4

@state 1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1 3 2
@column 1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1 3 INTEGER rc
@range 1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1.3 2-3

# "System" = 6.83.121.115.116.101.109
@rows 1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1 1 4 index=6.83.121.115.116.101.109.10.90.90.{i}
3 INTEGER rc 3
@end
# "ip_v10" = 6.105.112.95.118.49.48
1.3.6.1.4.1.32473.11.78.1.3.3.1.4.1.3.6.105.112.95.118.49.48.192.168.1.100 INTEGER rc 3
