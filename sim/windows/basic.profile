# trq3100-sim: the objects that the generic windows of basic configuration, RMON, bridge,
# VLAN and the port popup read and write (format: sim/READM1.3.6.1.4.1.32473.md). Loaded with the shipped
# chassis (trq3100.profile includes every file of this folder); per-port tables follow its
# installed units, index port = (unit - 1) * 64 + position.

# ---------------------------------------------------------------------------------------
# Device management: device information, alarm control (2 disabled, 3 enabled), system log
# control, ping test (control 0 stop, 1 active; status 0 finish, 1 proceeding).
1.3.6.1.4.1.32473.11.78.1.2.1.1.1.0 INTEGER ro 66
1.3.6.1.4.1.32473.11.78.1.2.1.1.2.0 INTEGER ro 50
1.3.6.1.4.1.32473.11.78.1.2.1.1.3.0 STRING ro 1.00.003
1.3.6.1.4.1.32473.11.78.1.2.1.1.4.0 STRING ro 3.50.R08
1.3.6.1.4.1.32473.11.78.1.2.1.1.5.0 STRING ro 0A1
1.3.6.1.4.1.32473.11.78.1.2.1.3.1.0 INTEGER rw 3
1.3.6.1.4.1.32473.11.78.1.2.1.3.2.0 INTEGER rw 3
1.3.6.1.4.1.32473.11.78.1.2.1.3.3.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.11.78.1.2.1.3.1 2-3
@range 1.3.6.1.4.1.32473.11.78.1.2.1.3.2 2-3
@range 1.3.6.1.4.1.32473.11.78.1.2.1.3.3 2-3
1.3.6.1.4.1.32473.12.12.1.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.12.1 2-3
1.3.6.1.4.1.32473.12.1.4.1.0 IPADDRESS rw 10.90.90.1
1.3.6.1.4.1.32473.12.1.4.2.0 INTEGER rw 4
1.3.6.1.4.1.32473.12.1.4.3.0 INTEGER rw 0
1.3.6.1.4.1.32473.12.1.4.4.0 INTEGER ro 0
1.3.6.1.4.1.32473.12.1.4.5.0 INTEGER ro 4
1.3.6.1.4.1.32473.12.1.4.6.0 INTEGER ro 0
@range 1.3.6.1.4.1.32473.12.1.4.2 1-255
@range 1.3.6.1.4.1.32473.12.1.4.3 0-1

# ---------------------------------------------------------------------------------------
# Equipment: the unit table's other columns (MAC address, management mode 4 master /
# 5 slave, versions, priority), the power table (status 3 working), trap severities
# (0 critical .. 3 warning), fans (0 off, 1 on).
@units 1.3.6.1.4.1.32473.12.11.1.9.5.1
2 HEX ro 00 80 C8 10 00 0{unit}
7 INTEGER ro {unit == 1 ? 4 : 5}
8 STRING ro 1.00
10 STRING ro 1.00.003
11 STRING ro 3.50.R08
12 STRING ro 0A{unit}
13 INTEGER ro {unit == 1 ? 1 : 32}
@end
@rows 1.3.6.1.4.1.32473.12.11.1.6.1 1 2
1 INTEGER ro {i}
2 INTEGER ro {i}
3 INTEGER ro 3
@end
1.3.6.1.4.1.32473.12.11.2.1.1.1.0 INTEGER rw 1
1.3.6.1.4.1.32473.12.11.2.1.1.2.0 INTEGER rw 1
1.3.6.1.4.1.32473.12.11.2.1.1.3.0 INTEGER rw 0
1.3.6.1.4.1.32473.12.11.2.1.2.1.0 INTEGER rw 0
1.3.6.1.4.1.32473.12.11.2.1.2.2.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.12.11.2.1.1.1 0-3
@range 1.3.6.1.4.1.32473.12.11.2.1.1.2 0-3
@range 1.3.6.1.4.1.32473.12.11.2.1.1.3 0-3
@range 1.3.6.1.4.1.32473.12.11.2.1.2.1 0-3
@range 1.3.6.1.4.1.32473.12.11.2.1.2.2 0-3
1.3.6.1.4.1.32473.12.11.1.5.1.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.5.2.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.5.3.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.5.4.0 INTEGER ro 0

# ---------------------------------------------------------------------------------------
# Agent management: protocol capability (2 snmp-ip), console status (3 not-in-use),
# configuration save status (3 completed), MIB capabilities (type 2 standard,
# 3 proprietary), IP settings (3 "Get IP From" 2 disabled), supported update files
# (transfer 2 network-load; file type 1 runtime code, 2 log, 3 configuration; load 2 upload,
# 3 download; increment 1 true, 2 false; control 2 inactive .. 5 create-and-go), CPU
# utilisation, firmware images, system severity (0 critical .. 2 information).
1.3.6.1.4.1.32473.12.1.1.1.0 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.3.0 INTEGER ro 3
1.3.6.1.4.1.32473.12.1.1.4.0 INTEGER ro 3
1.3.6.1.4.1.32473.12.1.1.2.1.1.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.1.1.2.1.2.1 STRING ro RFC1213 MIB-II
1.3.6.1.4.1.32473.12.1.1.2.1.3.1 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.2.1.4.1 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.2.1.1.2 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.2.1.2.2 STRING ro RFC1493 BRIDGE-MIB
1.3.6.1.4.1.32473.12.1.1.2.1.3.2 INTEGER ro 1
1.3.6.1.4.1.32473.12.1.1.2.1.4.2 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.2.1.1.3 INTEGER ro 3
1.3.6.1.4.1.32473.12.1.1.2.1.2.3 STRING ro RFC2674 P-BRIDGE-MIB and Q-BRIDGE-MIB
1.3.6.1.4.1.32473.12.1.1.2.1.3.3 INTEGER ro 1
1.3.6.1.4.1.32473.12.1.1.2.1.4.3 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.1.2.1.1.4 INTEGER ro 4
1.3.6.1.4.1.32473.12.1.1.2.1.2.4 STRING ro TRQ-3100 enterprise MIB
1.3.6.1.4.1.32473.12.1.1.2.1.3.4 INTEGER ro 3
1.3.6.1.4.1.32473.12.1.1.2.1.4.4 INTEGER ro 3
1.3.6.1.4.1.32473.12.1.3.1.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.1.3.3.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.1.3.3 2-4
@rows 1.3.6.1.4.1.32473.12.1.2.1.1 1 3
1 INTEGER na {i}
3 IPADDRESS rw 10.90.90.99
4 INTEGER rw 2
6 INTEGER ro {i}
7 INTEGER rw {i == 1 ? 3 : 2}
8 INTEGER rw 2
9 INTEGER rw 2
@end
1.3.6.1.4.1.32473.12.1.2.1.1.2.1 STRING ro Runtime code
1.3.6.1.4.1.32473.12.1.2.1.1.2.2 STRING ro Log file
1.3.6.1.4.1.32473.12.1.2.1.1.2.3 STRING ro Configuration file
1.3.6.1.4.1.32473.12.1.2.1.1.5.1 STRING rw run.had
1.3.6.1.4.1.32473.12.1.2.1.1.5.2 STRING rw log.txt
1.3.6.1.4.1.32473.12.1.2.1.1.5.3 STRING rw config.cfg
@range 1.3.6.1.4.1.32473.12.1.2.1.1.4 2-3
@size 1.3.6.1.4.1.32473.12.1.2.1.1.5 0-64
@range 1.3.6.1.4.1.32473.12.1.2.1.1.7 2-3
@range 1.3.6.1.4.1.32473.12.1.2.1.1.8 2-5
@range 1.3.6.1.4.1.32473.12.1.2.1.1.9 1-2
1.3.6.1.4.1.32473.12.1.1.6.1.0 INTEGER ro 7
1.3.6.1.4.1.32473.12.1.1.6.2.0 INTEGER ro 12
1.3.6.1.4.1.32473.12.1.1.6.3.0 INTEGER ro 10
@rows 1.3.6.1.4.1.32473.12.1.2.7.1 1 2
1 INTEGER na {i}
2 STRING ro 3.50.R0{8 - i}
3 INTEGER ro {3000000 + i * 4096}
4 STRING ro 2024-0{i}-15 10:2{i}:00
5 STRING ro 10.90.90.{i}
6 STRING ro admin
@end
1.3.6.1.4.1.32473.12.1.2.8.1.0 INTEGER rw 1
1.3.6.1.4.1.32473.12.1.2.8.2.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.1.2.8.1 0-2
@range 1.3.6.1.4.1.32473.12.1.2.8.2 0-2

# ---------------------------------------------------------------------------------------
# Time management: system time, SNTP (state 2 disabled / 3 enabled, source 0 system), the
# current time and clock (time capacity bits, clock reset on reboot 2 false).
1.3.6.1.4.1.32473.12.10.1.0 HEX ro C0
1.3.6.1.4.1.32473.12.10.2.0 STRING rw 2024-5-17,09:30:12
1.3.6.1.4.1.32473.12.10.3.0 INTEGER ro 2
@size 1.3.6.1.4.1.32473.12.10.2 0-19
1.3.6.1.4.1.32473.12.10.10.1.0 STRING ro 2024-05-17 09:30:12
1.3.6.1.4.1.32473.12.10.10.2.0 STRING ro 3 days, 04:12:55
1.3.6.1.4.1.32473.12.10.10.3.0 STRING ro 2024-05-14 05:17:17
1.3.6.1.4.1.32473.12.10.10.4.0 INTEGER rw 0
@range 1.3.6.1.4.1.32473.12.10.10.4 -779-839
1.3.6.1.4.1.32473.12.10.11.1.0 INTEGER rw 2
1.3.6.1.4.1.32473.12.10.11.2.0 INTEGER ro 0
1.3.6.1.4.1.32473.12.10.11.3.0 IPADDRESS rw 0.0.0.0
1.3.6.1.4.1.32473.12.10.11.4.0 IPADDRESS rw 0.0.0.0
1.3.6.1.4.1.32473.12.10.11.5.0 INTEGER rw 720
@range 1.3.6.1.4.1.32473.12.10.11.1 2-3
@range 1.3.6.1.4.1.32473.12.10.11.5 30-99999

# ---------------------------------------------------------------------------------------
# Multiple spanning tree: configuration identification and the instance table (instance
# 0 the CIST, 1 an MSTI; type 0 cist / 1 msti; status 1 enabled; VLAN ranges as 64-bit
# maps; RowStatus).
1.3.6.1.4.1.32473.12.15.2.1.0 STRING rw 00:80:C8:10:00:01
1.3.6.1.4.1.32473.12.15.2.2.0 INTEGER rw 0
@size 1.3.6.1.4.1.32473.12.15.2.1 0-32
@range 1.3.6.1.4.1.32473.12.15.2.2 0-65535
@rowstatus 1.3.6.1.4.1.32473.12.15.2.3.1 24
@range 1.3.6.1.4.1.32473.12.15.2.3.1.12 0-61440
@rows 1.3.6.1.4.1.32473.12.15.2.3.1 0 1
1 INTEGER na {i}
10 INTEGER ro {i}
11 INTEGER ro 1
12 INTEGER rw {32768 + i * 4096}
13 HEX ro 80 00 00 80 C8 10 00 01
14 INTEGER ro 0
15 HEX ro 80 00 00 80 C8 10 00 01
16 INTEGER ro 0
17 HEX ro 80 00 00 80 C8 10 00 01
18 INTEGER ro 0
19 INTEGER ro 20
20 INTEGER ro 15
21 TIMETICKS ro {360000 + i * 6000}
22 COUNTER ro {3 + i}
23 INTEGER ro 20
24 INTEGER rw 1
@end

1.3.6.1.4.1.32473.12.15.2.3.1.2.0 HEX rw FE FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.2.1 HEX rw 01 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.2 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.3.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.3.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.3 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.4.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.4.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.4 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.5.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.5.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.5 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.6.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.6.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.6 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.7.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.7.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.7 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.8.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.8.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.8 0-8
1.3.6.1.4.1.32473.12.15.2.3.1.9.0 HEX rw FF FF FF FF FF FF FF FF
1.3.6.1.4.1.32473.12.15.2.3.1.9.1 HEX rw 00 00 00 00 00 00 00 00
@size 1.3.6.1.4.1.32473.12.15.2.3.1.9 0-8

# ---------------------------------------------------------------------------------------
# BRIDGE-MIB and P-BRIDGE-MIB: base port count, learned-entry discards, ageing time; per
# port the default user priority and the number of traffic classes; per port and user
# priority 0..7 the regenerated priority, the traffic class and the outbound access
# priority.
@subtree 1.3.6.1.2.1.17
1.3.6.1.2.1.17.1.2.0 INTEGER ro 66
1.3.6.1.2.1.17.4.1.0 COUNTER ro 17
1.3.6.1.2.1.17.4.2.0 INTEGER rw 300
@range 1.3.6.1.2.1.17.4.2 10-1000000
@ports 1.3.6.1.2.1.17.6.1.2.1.1
1 INTEGER rw {port % 8}
2 INTEGER ro 8
@end
@range 1.3.6.1.2.1.17.6.1.2.1.1.1 0-7
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.0
1 INTEGER na 0
2 INTEGER rw 0
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.1
1 INTEGER na 1
2 INTEGER rw 1
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.2
1 INTEGER na 2
2 INTEGER rw 2
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.3
1 INTEGER na 3
2 INTEGER rw 3
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.4
1 INTEGER na 4
2 INTEGER rw 4
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.5
1 INTEGER na 5
2 INTEGER rw 5
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.6
1 INTEGER na 6
2 INTEGER rw 6
@end
@ports 1.3.6.1.2.1.17.6.1.2.2.1 index={port}.7
1 INTEGER na 7
2 INTEGER rw 7
@end
@range 1.3.6.1.2.1.17.6.1.2.2.1.2 0-7
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.0
1 INTEGER na 0
2 INTEGER rw 0
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.1
1 INTEGER na 1
2 INTEGER rw 0
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.2
1 INTEGER na 2
2 INTEGER rw 1
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.3
1 INTEGER na 3
2 INTEGER rw 1
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.4
1 INTEGER na 4
2 INTEGER rw 2
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.5
1 INTEGER na 5
2 INTEGER rw 2
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.6
1 INTEGER na 6
2 INTEGER rw 3
@end
@ports 1.3.6.1.2.1.17.6.1.2.3.1 index={port}.7
1 INTEGER na 7
2 INTEGER rw 3
@end
@range 1.3.6.1.2.1.17.6.1.2.3.1.2 0-7
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.0
1 INTEGER ro 0
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.1
1 INTEGER ro 1
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.2
1 INTEGER ro 2
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.3
1 INTEGER ro 3
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.4
1 INTEGER ro 4
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.5
1 INTEGER ro 5
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.6
1 INTEGER ro 6
@end
@ports 1.3.6.1.2.1.17.6.1.2.4.1 index={port}.7
1 INTEGER ro 7
@end

# ---------------------------------------------------------------------------------------
# Q-BRIDGE-MIB: unicast forwarding entries of filtering database 1 (index FDB id and MAC,
# port; status 3 learned) and the learning constraints (index VLAN and set; type
# 1 independent / 2 shared; RowStatus) with their two defaults.
@rows 1.3.6.1.2.1.17.7.1.2.2.1 1 12 index=1.0.128.200.0.1.{i}
2 INTEGER ro {i}
3 INTEGER ro 3
@end
1.3.6.1.2.1.17.7.1.4.8.1.1.1.1 GAUGE na 1
1.3.6.1.2.1.17.7.1.4.8.1.2.1.1 INTEGER na 1
1.3.6.1.2.1.17.7.1.4.8.1.3.1.1 INTEGER rw 1
1.3.6.1.2.1.17.7.1.4.8.1.4.1.1 INTEGER rw 1
1.3.6.1.2.1.17.7.1.4.8.1.1.10.2 GAUGE na 10
1.3.6.1.2.1.17.7.1.4.8.1.2.10.2 INTEGER na 2
1.3.6.1.2.1.17.7.1.4.8.1.3.10.2 INTEGER rw 2
1.3.6.1.2.1.17.7.1.4.8.1.4.10.2 INTEGER rw 1
1.3.6.1.2.1.17.7.1.4.8.1.1.20.2 GAUGE na 20
1.3.6.1.2.1.17.7.1.4.8.1.2.20.2 INTEGER na 2
1.3.6.1.2.1.17.7.1.4.8.1.3.20.2 INTEGER rw 2
1.3.6.1.2.1.17.7.1.4.8.1.4.20.2 INTEGER rw 1
@rowstatus 1.3.6.1.2.1.17.7.1.4.8.1 4
@range 1.3.6.1.2.1.17.7.1.4.8.1.3 1-2
1.3.6.1.2.1.17.7.1.4.9.0 INTEGER rw 1
1.3.6.1.2.1.17.7.1.4.10.0 INTEGER rw 1
@range 1.3.6.1.2.1.17.7.1.4.10 1-2
