# trq3100-sim profile: a TRQ-3100 chassis with the CPU module and five line cards.
#
# Format (full description in sim/README.md):
#   OID TAG ACCESS VALUE          one object instance
#     TAG    INTEGER STRING HEX OID IPADDRESS COUNTER GAUGE TIMETICKS COUNTER64 OPAQUE NULL
#     ACCESS ro rw rc (read-create) na (not served)
#     VALUE  the rest of the line; STRING may be "quoted" with \" \\ \n \xHH; TIMETICKS "uptime"
#   @subtree OID                  a subtree the agent serves (every value must lie in one)
#   @model NAME PORTS [var=LIST]  a module model; LIST gives per-port values (V*N repeats V)
#   @unit UNIT MODEL              a module installed in unit 1..8 (chassis slot UNIT + 1)
#   @units ENTRY ... @end         one row per installed unit, index {unit}
#   @ports ENTRY ... @end         one row per port of every unit, index {port} = (unit-1)*64+pos
#   @rows ENTRY FROM TO ... @end  rows {i} = FROM..TO
#     block options: index=TEMPLATE (row index), where=EXPR (rows where EXPR is 0 are left out)
#     block lines: COLUMN TAG ACCESS VALUE, with {expressions} over the variables
#   @column ENTRY COL TAG ACCESS [DEFAULT]   a column that sets may create
#   @rowstatus ENTRY COL / @state ENTRY COL DELETEVALUE / @required ENTRY COL... / @index ENTRY COL...
#   @range OBJECT LIST / @size OBJECT MIN-MAX   value constraints (wrongValue / wrongLength)
#   @delete OID / @include FILE
# Port numbers, and with them the index of every per-port table, are (unit - 1) * 64 + position.

# ---------------------------------------------------------------------------------------
# System group
@subtree 1.3.6.1.2.1.1
1.3.6.1.2.1.1.1.0 STRING ro TRQ-3100 Chassis Ethernet Switch
1.3.6.1.2.1.1.2.0 OID ro 1.3.6.1.4.1.32473.10.78.1
1.3.6.1.2.1.1.3.0 TIMETICKS ro uptime
1.3.6.1.2.1.1.4.0 STRING rw ""
1.3.6.1.2.1.1.5.0 STRING rw trq3100
1.3.6.1.2.1.1.6.0 STRING rw ""
1.3.6.1.2.1.1.7.0 INTEGER ro 6
@size 1.3.6.1.2.1.1.4 0-255
@size 1.3.6.1.2.1.1.5 0-255
@size 1.3.6.1.2.1.1.6 0-255

@subtree 1.3.6.1.4.1.32473

# ---------------------------------------------------------------------------------------
# Module models: front-panel port count and port types (port-type list values).
@model TRQ-3112 0
@model TRQ-3114 12 porttype=5*12
@model TRQ-3115 8 porttype=6*8
@model TRQ-3117 12 porttype=2*10,19,10
@model TRQ-3118 16 porttype=3*16
@model TRQ-3119 12 porttype=12*12
@model TRQ-3120 24 porttype=2*24
@model TRQ-3122 2 porttype=17*2
# Models without front-panel ports of their own.
@model TRQ-3111 0
@model TRQ-3113 0
@model TRQ-3116 0

# Installed line cards (the CPU module TRQ-3112 sits in slot 1 and is not a unit).
@unit 1 TRQ-3120
@unit 2 TRQ-3114
@unit 3 TRQ-3117
@unit 4 TRQ-3118
@unit 5 TRQ-3122

# Unit table: id, start port, front-panel LED octets (4 leading octets, then 2 per port:
# link/activity and speed; 0x02 on, 0x01 off, 0x80 blinking), module name.
@units 1.3.6.1.4.1.32473.12.11.1.9.5.1
1 INTEGER ro {unit}
3 INTEGER ro {startport}
5 HEX ro {leds}
9 STRING ro {model}
@end

# Port information table: index, port number text, unit, port type, link, nway status.
# Every fourth port has no link, matching the LED octets.
@ports 1.3.6.1.4.1.32473.11.78.1.2.3.1.1
1 INTEGER ro {port}
2 STRING ro {unit}:{pos}
3 INTEGER ro {unit}
4 INTEGER ro {porttype}
5 INTEGER ro {linkup ? 2 : 3}
6 INTEGER ro {linkup ? 6 : 2}
@end

# Port control table: index, unit, admin state, nway, flow control, lock.
@ports 1.3.6.1.4.1.32473.11.78.1.2.3.2.1
1 INTEGER ro {port}
2 INTEGER ro {unit}
3 INTEGER rw 3
4 INTEGER rw 2
5 INTEGER rw 2
6 INTEGER rw 2
@end
@range 1.3.6.1.4.1.32473.11.78.1.2.3.2.1.3 2-3
@range 1.3.6.1.4.1.32473.11.78.1.2.3.2.1.4 2-6,8-10
@range 1.3.6.1.4.1.32473.11.78.1.2.3.2.1.5 2-3
@range 1.3.6.1.4.1.32473.11.78.1.2.3.2.1.6 2-3

# RMON state: 2 disabled, 3 enabled.
1.3.6.1.4.1.32473.11.78.1.2.1.2.4.0 INTEGER rw 3
@range 1.3.6.1.4.1.32473.11.78.1.2.1.2.4 2-3

# ---------------------------------------------------------------------------------------
# Equipment: main and redundant power (0 off, 1 on), fans (unit index, fan id, status
# 0 other, 1 working, 2 fail); fans 1.1 and 1.2 on the left, 2.1 and 2.2 on the right.
1.3.6.1.4.1.32473.12.11.1.3.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.4.0 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.1.1.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.1.1.2 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.1.2.1 INTEGER ro 2
1.3.6.1.4.1.32473.12.11.1.7.1.1.2.2 INTEGER ro 2
1.3.6.1.4.1.32473.12.11.1.7.1.2.1.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.2.1.2 INTEGER ro 2
1.3.6.1.4.1.32473.12.11.1.7.1.2.2.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.2.2.2 INTEGER ro 2
1.3.6.1.4.1.32473.12.11.1.7.1.3.1.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.3.1.2 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.3.2.1 INTEGER ro 1
1.3.6.1.4.1.32473.12.11.1.7.1.3.2.2 INTEGER ro 1

# ---------------------------------------------------------------------------------------
# Agent management: system reset (2 cold-start, 3 warm-start, 4 no-reset), RS-232 port,
# save configuration (2 idle, 3 set), configuration save status.
1.3.6.1.4.1.32473.12.1.2.3.0 INTEGER rw 4
1.3.6.1.4.1.32473.12.1.2.4.0 INTEGER ro 2
1.3.6.1.4.1.32473.12.1.2.6.0 INTEGER rw 2
@range 1.3.6.1.4.1.32473.12.1.2.3 2-4
@range 1.3.6.1.4.1.32473.12.1.2.6 2-3

# ---------------------------------------------------------------------------------------
# The objects of the generic windows, one file per group of windows.
@include windows/*.profile
