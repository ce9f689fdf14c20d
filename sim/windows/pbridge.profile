# trq3100-sim: the 802.1P windows (P-BRIDGE-MIB): the bridge's device capabilities and
# traffic-class and GMRP states, each port's 802.1D capabilities and its GARP timers, on
# the bridge port numbers of dot1qport.profile. Format: sim/README.md.
@subtree 1.3.6.1.2.1.17

# dot1dDeviceCapabilities (BITS: traffic classes, IVL capable, configurable PVID
# tagging = 0x52), dot1dTrafficClassesEnabled and dot1dGmrpStatus (1 true/enabled,
# 2 false/disabled).
1.3.6.1.2.1.17.6.1.1.1.0 HEX ro 52
1.3.6.1.2.1.17.6.1.1.2.0 INTEGER rw 1
1.3.6.1.2.1.17.6.1.1.3.0 INTEGER rw 2
@range 1.3.6.1.2.1.17.6.1.1.2 1-2
@range 1.3.6.1.2.1.17.6.1.1.3 1-2

# dot1dPortCapabilities (BITS: 802.1Q tagging, configurable acceptable frame types,
# ingress filtering = 0xE0; the two-port module's ports tag only = 0x80).
@ports 1.3.6.1.2.1.17.6.1.1.4.1 where=ports!=2
1 HEX ro E0
@end
@ports 1.3.6.1.2.1.17.6.1.1.4.1 where=ports==2
1 HEX ro 80
@end

# dot1dPortGarpTable: join, leave and leave-all times in centiseconds.
@ports 1.3.6.1.2.1.17.6.1.3.1.1
1 INTEGER rw 20
2 INTEGER rw 60
3 INTEGER rw 1000
@end
@range 1.3.6.1.2.1.17.6.1.3.1.1 0-2147483647
@range 1.3.6.1.2.1.17.6.1.3.1.2 0-2147483647
@range 1.3.6.1.2.1.17.6.1.3.1.3 0-2147483647
