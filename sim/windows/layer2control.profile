# trq3100-sim: the layer-2 control window (enterprise device-control scalars): IGMP
# snooping, snooping for multicast routers only (2 disabled, 3 enabled), clear all
# counters (1 normal, 2 active), the VLAN whose forwarding database is shown, and the web
# and telnet servers (state 2 disabled / 3 enabled, TCP port). The RMON state, also
# here, is in trq3100.profile (the main window reads it). Format: sim/README.md.
@subtree 1.3.6.1.4.1.32473.11.78.1.2.1.2

1.3.6.1.4.1.32473.11.78.1.2.1.2.2.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.2 2-3
1.3.6.1.4.1.32473.11.78.1.2.1.2.3.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.3 2-3
1.3.6.1.4.1.32473.11.78.1.2.1.2.5.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.5 1-2
1.3.6.1.4.1.32473.11.78.1.2.1.2.6.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.6 1-4094
1.3.6.1.4.1.32473.11.78.1.2.1.2.14.1.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.14.1 2-3
1.3.6.1.4.1.32473.11.78.1.2.1.2.14.2.0 INTEGER rw 80
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.14.2 1-65535
1.3.6.1.4.1.32473.11.78.1.2.1.2.15.1.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.15.1 2-3
1.3.6.1.4.1.32473.11.78.1.2.1.2.15.2.0 INTEGER rw 23
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.15.2 1-65535
