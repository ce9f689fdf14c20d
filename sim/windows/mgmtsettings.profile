# trq3100-sim: the 802.1X authentication setting, CPU protection, SSL settings, syslog server
# and summer time windows. Format: sim/README.md.
@subtree 1.0.8802.1.1.1
@subtree 1.3.6.1.4.1.32473.12.3.1
@subtree 1.3.6.1.4.1.32473.12.19
@subtree 1.3.6.1.4.1.32473.12.7.1
@subtree 1.3.6.1.4.1.32473.12.12.2
@subtree 1.3.6.1.4.1.32473.12.10.12

# 802.1X: system authentication control (1 enabled, 2 disabled), the user authentication
# protocol (2 local, 4 RADIUS with EAP) and the device authentication mode (1 port based,
# 2 MAC based, 3 none).
1.0.8802.1.1.1.1.1.1.0 INTEGER rw 1
@range 1.0.8802.1.1.1.1.1.1 1-2
1.3.6.1.4.1.32473.12.3.1.1.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.3.1.1 2,4
1.3.6.1.4.1.32473.12.3.1.2.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.12.3.1.2 1-3

# CPU protection: engine state (2 disabled, 3 enabled), rising and falling thresholds in
# percent, mode (1 strict, 2 fuzzy), alarm state (2 disabled, 3 enabled) and the current
# state (1 normal, 2 exhausted).
1.3.6.1.4.1.32473.12.19.1.1.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.12.19.1.1 2-3
1.3.6.1.4.1.32473.12.19.2.1.0 INTEGER rw 50
1.3.6.1.4.1.32473.12.19.2.2.0 INTEGER rw 30
@range 1.3.6.1.4.1.32473.12.19.2.1 20-100
@range 1.3.6.1.4.1.32473.12.19.2.2 20-100
1.3.6.1.4.1.32473.12.19.2.3.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.12.19.2.3 1-2
1.3.6.1.4.1.32473.12.19.2.4.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.19.2.4 2-3
1.3.6.1.4.1.32473.12.19.2.5.0 INTEGER ro 1

# SSL: administration (2 disabled, 3 enabled), cache timeout (seconds) and the cipher
# suites, one octet whose high four bits enable RC4-128-MD5 (0x80), 3DES-EDE-CBC-SHA
# (0x40), DHE-DSS-3DES-EDE-CBC-SHA (0x20) and EXPORT-RC4-40-MD5 (0x10).
1.3.6.1.4.1.32473.12.7.1.1.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.7.1.1 2-3
1.3.6.1.4.1.32473.12.7.1.2.0 GAUGE rw 600
@range 1.3.6.1.4.1.32473.12.7.1.2 60-86400
1.3.6.1.4.1.32473.12.7.1.3.0 HEX rw F0
@size 1.3.6.1.4.1.32473.12.7.1.3 1-1

# Syslog servers (at most four): index, facility (0..7 local0..local7), severity (1 all,
# 2 warning, 3 informational), UDP port, address, state (2 disabled, 3 enabled) and row
# status.
@column 1.3.6.1.4.1.32473.12.12.2.1 1 INTEGER ro
@column 1.3.6.1.4.1.32473.12.12.2.1 2 INTEGER rc 0
@column 1.3.6.1.4.1.32473.12.12.2.1 3 INTEGER rc 1
@column 1.3.6.1.4.1.32473.12.12.2.1 4 INTEGER rc 514
@column 1.3.6.1.4.1.32473.12.12.2.1 5 IPADDRESS rc 0.0.0.0
@column 1.3.6.1.4.1.32473.12.12.2.1 6 INTEGER rc 2
@column 1.3.6.1.4.1.32473.12.12.2.1 7 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.12.12.2.1 7
@index 1.3.6.1.4.1.32473.12.12.2.1 1
@range 1.3.6.1.4.1.32473.12.12.2.1.2 0-7
@range 1.3.6.1.4.1.32473.12.12.2.1.3 1-3
@range 1.3.6.1.4.1.32473.12.12.2.1.4 514,6000-65535
@range 1.3.6.1.4.1.32473.12.12.2.1.6 2-3
@rows 1.3.6.1.4.1.32473.12.12.2.1 1 2
1 INTEGER ro {i}
2 INTEGER rc {i+3}
3 INTEGER rc {i+1}
4 INTEGER rc {i==1?514:6000}
5 IPADDRESS rc 10.1.1.{i}
6 INTEGER rc {i==1?3:2}
7 INTEGER rc 1
@end

# Summer time: status (0 disable, 1 repeating, 2 annual), offset in minutes, and the
# repeating (week, day of week in two octets, month, hour, minute) and annual (day,
# month, hour, minute) start and end.
1.3.6.1.4.1.32473.12.10.12.1.0 INTEGER rw 1
@range 1.3.6.1.4.1.32473.12.10.12.1 0-2
1.3.6.1.4.1.32473.12.10.12.2.0 INTEGER rw 60
@range 1.3.6.1.4.1.32473.12.10.12.2 30-120
1.3.6.1.4.1.32473.12.10.12.3.0 HEX rw 00 00 01 03 02 00
1.3.6.1.4.1.32473.12.10.12.4.0 HEX rw 00 00 01 0A 03 00
1.3.6.1.4.1.32473.12.10.12.5.0 HEX rw 1D 03 02 00
1.3.6.1.4.1.32473.12.10.12.6.0 HEX rw 1B 0A 03 00
@size 1.3.6.1.4.1.32473.12.10.12.3 6-6
@size 1.3.6.1.4.1.32473.12.10.12.4 6-6
@size 1.3.6.1.4.1.32473.12.10.12.5 4-4
@size 1.3.6.1.4.1.32473.12.10.12.6 4-4
