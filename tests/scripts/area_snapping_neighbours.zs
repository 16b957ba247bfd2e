# Snapping against neighbours: strict reach of 100, either side, no overlap needed, last match wins
start
open frmZelmora1
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command3
# square 111 in the corner: right edge 1415, top 6760
drag frmZelmora1 Command1(111) 0 0 950 6700
# exactly 100 right of that edge: no pull; 99 pulls; 99 on the other side pulls too
drag frmZelmora1 Command1(112) 0 0 1515 3000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 0 0 1514 3000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 0 0 1316 3000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 0 0 1315 3000
print frmZelmora1 Command1(112)
# a bottom exactly 100 above a top does not pull, 99.5 does; a tile far to the side still lines up
drag frmZelmora1 Command1(112) 0 0 5000 6160
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 0 0 5000 6160.5
print frmZelmora1 Command1(112)
# far up on the mat, 50 from the right edge of a tile lower down: lined up though they don't touch
drag frmZelmora1 Command1(112) 0 0 1465 2000
print frmZelmora1 Command1(112)
# a chain: x tile 21 ends at 2320, square 112 at 2400; square 110 dropped at 2350 is pulled to 2320
# by 21, and from there to 2400 by 112, the last in index order within reach
drag frmZelmora1 Command1(21) 0 0 1020 1000
print frmZelmora1 Command1(21)
drag frmZelmora1 Command1(112) 0 0 1900 2500
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(110) 0 0 2350 4000
print frmZelmora1 Command1(110)
# the chain goes on: a square dropped 40 left of 110's new right edge comes to rest against it
drag frmZelmora1 Command1(113) 0 0 2860 5000
print frmZelmora1 Command1(113)
