# trq3100-sim: the traffic segmentation window: every port's forward-port list (a 64-octet
# PortList; by default every port may forward to every port). Format: sim/README.md.
@ports 1.3.6.1.4.1.32473.11.78.1.2.14.1.1
1 INTEGER ro {port}
2 HEX rw FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF
@end
@size 1.3.6.1.4.1.32473.11.78.1.2.14.1.1.2 64-64
