# trq3100-sim: the 802.1Q basic configuration and VLAN port information windows
# (Q-BRIDGE-MIB dot1qBase scalars and dot1qPortVlanTable, walked together with
# dot1dBasePort of the BRIDGE-MIB port table). Format: sim/README.md.
@subtree 1.3.6.1.2.1.17

# VLAN version, max VLAN ID, max supported VLANs, current VLANs, GVRP status
# (1 enabled, 2 disabled).
1.3.6.1.2.1.17.7.1.1.1.0 INTEGER ro 1
1.3.6.1.2.1.17.7.1.1.2.0 INTEGER ro 4094
1.3.6.1.2.1.17.7.1.1.3.0 GAUGE ro 255
1.3.6.1.2.1.17.7.1.1.4.0 GAUGE ro 3
1.3.6.1.2.1.17.7.1.1.5.0 INTEGER rw 2
@range 1.3.6.1.2.1.17.7.1.1.5 1-2

# Bridge port numbers.
@ports 1.3.6.1.2.1.17.1.4.1
1 INTEGER ro {port}
@end

# Per port: PVID, acceptable frame types (1 admitAll, 2 admitOnlyVLANTagged), ingress
# filtering (1 true, 2 false), GVRP status, GVRP failed registrations, last GVRP PDU origin.
@ports 1.3.6.1.2.1.17.7.1.4.5.1
1 GAUGE rw {port == 3 ? 10 : 1}
2 INTEGER rw 1
3 INTEGER rw 2
4 INTEGER rw 2
5 COUNTER ro {pos}
6 HEX ro 0080C8000001
@end
@range 1.3.6.1.2.1.17.7.1.4.5.1.1 1-4094
@range 1.3.6.1.2.1.17.7.1.4.5.1.2 1-2
@range 1.3.6.1.2.1.17.7.1.4.5.1.3 1-2
@range 1.3.6.1.2.1.17.7.1.4.5.1.4 1-2
