# trq3100-sim: the DVMRP interface window and its editor (the product MIB's DVMRP
# interface table, indexed by interface index; rows are neither created nor removed).
# Format: sim/README.md. Columns: local address, metric (1..31), probe and neighbour
# time-out (1..65535), state (active(1), notInService(2)), bad packets and bad routes.
@subtree 1.3.6.1.4.1.32473.11.78.1.3.9

@range 1.3.6.1.4.1.32473.11.78.1.3.9.1.3 1-31
@range 1.3.6.1.4.1.32473.11.78.1.3.9.1.4 1-65535
@range 1.3.6.1.4.1.32473.11.78.1.3.9.1.5 1-65535
@range 1.3.6.1.4.1.32473.11.78.1.3.9.1.6 1-2

@rows 1.3.6.1.4.1.32473.11.78.1.3.9.1 1 3
2 IPADDRESS rw 192.168.{i}.1
3 INTEGER rw {i}
4 INTEGER rw 10
5 INTEGER rw 35
6 INTEGER rw {i==3?2:1}
7 COUNTER ro {i*3}
8 COUNTER ro {i-1}
@end
