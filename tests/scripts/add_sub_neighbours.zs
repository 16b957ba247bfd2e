# The placement pass against neighbouring tiles and the ends of the bar
start
open frmZelmora4
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 2000 1000
print frmZelmora4 Command1(21)
# 200 below tile 21's lower edge (1400) nothing pulls; 199 below, tile 22 hangs from it
drag frmZelmora4 Command1(22) 0 0 2000 1600
print frmZelmora4 Command1(22)
drag frmZelmora4 Command1(22) 0 0 2000 1599
print frmZelmora4 Command1(22)
# sideways: 200 right of its right edge (3385) stays, 199.5 is pulled against it
drag frmZelmora4 Command1(22) 0 0 3585 1000
print frmZelmora4 Command1(22)
drag frmZelmora4 Command1(22) 0 0 3584.5 1000
print frmZelmora4 Command1(22)
# and from the left: its right edge 200 short of tile 21's Left stays, 199.5 short is pushed on
drag frmZelmora4 Command1(22) 0 0 415 1000
print frmZelmora4 Command1(22)
drag frmZelmora4 Command1(22) 0 0 415.5 1000
print frmZelmora4 Command1(22)
# 100 under tile 21 but far to its right: pulled up against its lower edge all the same
drag frmZelmora4 Command1(22) 0 0 7000 1500
print frmZelmora4 Command1(22)
# right of the bar's right end (9315) by less than 200: pulled back against it
drag frmZelmora4 Command1(22) 0 0 9400 2500
print frmZelmora4 Command1(22)
drag frmZelmora4 Command1(22) 0 0 9515 2500
print frmZelmora4 Command1(22)
drag frmZelmora4 Command1(22) 0 0 9514.5 2500
print frmZelmora4 Command1(22)
# left of its left end (420): pushed right until it touches it, past the window's edge
drag frmZelmora4 Command1(22) 1300 0 150 2500
print frmZelmora4 Command1(22)
# a unit square waiting at its home (9900, 1440) pushes a tile right but pulls nobody up
click frmZelmora4 Command7
drag frmZelmora4 Command1(22) 0 0 8400 1900
print frmZelmora4 Command1(22)
# every value is read afresh: hanging from tile 21 at 3200, tile 22 is out of the bar's reach
drag frmZelmora4 Command1(21) 0 0 5000 2800
print frmZelmora4 Command1(21)
drag frmZelmora4 Command1(22) 0 0 2000 3300
print frmZelmora4 Command1(22)
# with tile 21 at 2880, tile 22 hangs from it at 3280, and then the bar, last, pulls it to 3440
drag frmZelmora4 Command1(21) 0 0 5000 2880
drag frmZelmora4 Command1(22) 0 0 2000 3300
print frmZelmora4 Command1(22)
print frmZelmora4 tiles
