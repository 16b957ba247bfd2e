# What a screen reader hears on Board 4: the stock, and each tile's sign from its pan's region
start
open frmZelmora5
drag frmZelmora5 Command1(0) 0 0 900 1500
drag frmZelmora5 Command1(30) 0 0 2400 4000
drag frmZelmora5 Command1(20) 0 0 8500 2300
drag frmZelmora5 Command1(50) 0 0 7500 4600
# a corner on a region's edge lies in no region
drag frmZelmora5 Command1(38) 0 0 300 1500
print frmZelmora5 names
