# Simulator profile of the engine layer's tests: the shipped chassis (scalars, the unit
# table) plus one RowStatus table for createAndGo and destroy.
@include ../../../sim/trq3100.profile

# RowStatus table 99.2.1: index, name (required, 1..16 octets), value (default 0),
# RowStatus. Rows 1 and 2 exist and are active.
@column 1.3.6.1.4.1.32473.99.2.1 2 STRING rc
@column 1.3.6.1.4.1.32473.99.2.1 3 INTEGER rc 0
@column 1.3.6.1.4.1.32473.99.2.1 5 INTEGER rc
@index 1.3.6.1.4.1.32473.99.2.1 1
@rowstatus 1.3.6.1.4.1.32473.99.2.1 5
@required 1.3.6.1.4.1.32473.99.2.1 2
@size 1.3.6.1.4.1.32473.99.2.1.2 1-16
@rows 1.3.6.1.4.1.32473.99.2.1 1 2
1 INTEGER ro {i}
2 STRING rc "entry {i}"
3 INTEGER rc {i * 10}
5 INTEGER rc 1
@end
