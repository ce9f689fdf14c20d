# trq3100-sim: the route redistribution window (the product MIB's route redistribution
# table, indexed by source protocol and destination protocol: rip(2), ospf(3), static(4),
# local(5) into rip(2) or ospf(3)). Format: sim/README.md. Columns: type (all(0) ..
# inter-E2(8)), metric, row status. Four rows, one per rule of the window's protocol pairs.
@subtree 1.3.6.1.4.1.32473.11.78.1.3.5

@column 1.3.6.1.4.1.32473.11.78.1.3.5.1 3 INTEGER rc 0
@column 1.3.6.1.4.1.32473.11.78.1.3.5.1 4 INTEGER rc 0
@column 1.3.6.1.4.1.32473.11.78.1.3.5.1 5 INTEGER rc
@rowstatus 1.3.6.1.4.1.32473.11.78.1.3.5.1 5
@range 1.3.6.1.4.1.32473.11.78.1.3.5.1.3 0-8
@range 1.3.6.1.4.1.32473.11.78.1.3.5.1.4 0-16777214

# ospf into rip: all, metric 5
1.3.6.1.4.1.32473.11.78.1.3.5.1.3.3.2 INTEGER rc 0
1.3.6.1.4.1.32473.11.78.1.3.5.1.4.3.2 INTEGER rc 5
1.3.6.1.4.1.32473.11.78.1.3.5.1.5.3.2 INTEGER rc 1
# static into rip: all, metric 1
1.3.6.1.4.1.32473.11.78.1.3.5.1.3.4.2 INTEGER rc 0
1.3.6.1.4.1.32473.11.78.1.3.5.1.4.4.2 INTEGER rc 1
1.3.6.1.4.1.32473.11.78.1.3.5.1.5.4.2 INTEGER rc 1
# rip into ospf: type-2, metric 20
1.3.6.1.4.1.32473.11.78.1.3.5.1.3.2.3 INTEGER rc 6
1.3.6.1.4.1.32473.11.78.1.3.5.1.4.2.3 INTEGER rc 20
1.3.6.1.4.1.32473.11.78.1.3.5.1.5.2.3 INTEGER rc 1
# local into ospf: type-1, metric 100
1.3.6.1.4.1.32473.11.78.1.3.5.1.3.5.3 INTEGER rc 5
1.3.6.1.4.1.32473.11.78.1.3.5.1.4.5.3 INTEGER rc 100
1.3.6.1.4.1.32473.11.78.1.3.5.1.5.5.3 INTEGER rc 1
