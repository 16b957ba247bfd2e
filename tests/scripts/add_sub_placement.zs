# The placement pass against the dividing bar (Top 3840 to 4095), then the mark by the top edge
start
open frmZelmora4
click frmZelmora4 Command3
# an x tile (400 high) dropped at Top 3300 rests on the bar; at 4200 it hangs under it
drag frmZelmora4 Command1(21) 100 100 2100 3400
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(21) 100 100 2100 4300
print frmZelmora4 Command1(21)
# overlapping the bar it stays where it is, marked by its top edge alone
drag frmZelmora4 Command1(21) 100 100 2100 3600
print frmZelmora4 Command1(21)
# released over the bar: a drop on member 141, a plain move
drag frmZelmora4 Command1(21) 100 100 2100 4000
print frmZelmora4 Command1(21)
print frmZelmora4 Command1(141)
# the mark is 1 up to Top 3850 and 0 past it
drag frmZelmora4 Command1(21) 0 0 2000 3850
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(21) 0 0 2000 3850.5
print frmZelmora4 Command1(21)
# a gap of exactly 200 to the bar pulls nothing; 199.5 does, above and below
drag frmZelmora4 Command1(21) 0 0 2000 3240
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(21) 0 0 2000 3240.5
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(21) 0 0 2000 4295
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(21) 0 0 2000 4294.5
print frmZelmora4 Command1(21)
