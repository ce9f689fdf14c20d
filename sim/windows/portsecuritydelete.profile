# trq3100-sim: the port security delete window: VLAN name, port, MAC address and the
# action (1 none, 2 start) of a delete of one locked address. Format: sim/README.md.
1.3.6.1.4.1.32473.11.78.1.2.7.2.1.0 STRING rw default
@size 1.3.6.1.4.1.32473.11.78.1.2.7.2.1 0-32
1.3.6.1.4.1.32473.11.78.1.2.7.2.2.0 INTEGER rw 0
@range 1.3.6.1.4.1.32473.11.78.1.2.7.2.2 0-576
1.3.6.1.4.1.32473.11.78.1.2.7.2.3.0 HEX rw 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.11.78.1.2.7.2.3 6-6
1.3.6.1.4.1.32473.11.78.1.2.7.2.4.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.11.78.1.2.7.2.4 1-2

