# trq3100-sim: the packet storm control window: the ports that recover by themselves after
# a packet storm (a PortList of 72 octets: units 1 to 8 and the CPU unit 9) and the storm
# traps sent (1 none, 2 stormOccurred, 3 stormCleared, 4 both). Ports 1 and 2 and the CPU
# unit's first port recover. Format: sim/README.md.
@subtree 1.3.6.1.4.1.32473.12.25.1
1.3.6.1.4.1.32473.12.25.1.1.0 HEX rw C00000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000008000000000000000
@size 1.3.6.1.4.1.32473.12.25.1.1 72-72
1.3.6.1.4.1.32473.12.25.1.2.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.25.1.2 1-4
