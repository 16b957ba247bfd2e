# Snapping against the axis line, the bottom strip and the clear member in the corner
start
open frmZelmora1
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command3
# a unit square at (950, 6700): its left edge 35 from the clear member's right edge, its bottom 60
# from the clear member's top
drag frmZelmora1 Command1(111) 0 0 950 6700
print frmZelmora1 Command1(111)
# a Left of 850 is left of the axis line: the right edge comes to rest on it
drag frmZelmora1 Command1(112) 0 0 850 3000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(21) 0 0 850 2000
print frmZelmora1 Command1(21)
# a Left of exactly 900 is not moved by the line, but the clear member's right edge at 915 pulls it
drag frmZelmora1 Command1(112) 0 0 900 3000
print frmZelmora1 Command1(112)
# at or below the strip's top a tile lies on the strip
drag frmZelmora1 Command1(112) 0 0 5000 7500
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 0 0 5000 7260
print frmZelmora1 Command1(112)
# bottom 80 above the clear member's top: pulled down onto it, far from it sideways
drag frmZelmora1 Command1(112) 0 0 5000 6680
print frmZelmora1 Command1(112)
# Top 7200 overlaps the strip but is above its top, and its bottom is 440 below: it stays
drag frmZelmora1 Command1(112) 0 0 5000 7200
print frmZelmora1 Command1(112)
# a second square at (1450, 6790) comes to the right of the first, on the strip line
drag frmZelmora1 Command1(112) 0 0 1450 6790
print frmZelmora1 Command1(112)
# the clear member, once it has had the focus and lost it, moves to Left 165; from then on a Left
# of 900 stays 900
click frmZelmora1 Command1(141)
click frmZelmora1 Command7
print frmZelmora1 Command1(141)
print frmZelmora1 Command1(111)
drag frmZelmora1 Command1(111) 0 0 900 3000
print frmZelmora1 Command1(111)
drag frmZelmora1 Command1(111) 0 0 850 3000
print frmZelmora1 Command1(111)
