# The algebra of Board 2: the arms as measuring finds them, their product, and the signed quadrants
start
open frmZelmora2
# the guide's activity (x + 1)(x - 2): the two rectangles filled make the product
# the upper arm: a unit square against the origin square, an upright x above it
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5300 3600
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5300 2300
# the right arm: x; the left arm: two units
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5700 4000
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4050
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4050
# upper right, positive: x² and x
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5650 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5650 3610
# upper left, negative: two upright x and two units
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2300
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4460 2300
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3600
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 3600
print frmZelmora2 algebra
close frmZelmora2
open frmZelmora2
# a unit at Left 5359 lies in the vertical band and makes the upper arm; one at 5360 counts nowhere
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5359 3000
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 5360 2500
print frmZelmora2 Command1(111)
print frmZelmora2 Command1(112)
# the lower arm subtracts: an upright y under the crossing
click frmZelmora2 Command5
drag frmZelmora2 Command1(51) 0 0 5200 5000
# the right arm adds a flat x, the left arm subtracts a five-strip
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 0 0 5700 4000
click frmZelmora2 Command6
drag frmZelmora2 Command1(91) 0 0 3000 4050
print frmZelmora2 algebra
# quadrants: xy in the grey lower right, y² in the white upper right, and a unit in each of the
# white lower left and the grey upper left, which cancel
click frmZelmora2 Command8
drag frmZelmora2 Command1(71) 0 0 7000 6000
click frmZelmora2 Command4
drag frmZelmora2 Command1(41) 0 0 8000 1500
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 1000 6000
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 1000 1000
print frmZelmora2 Command1(71)
print frmZelmora2 Command1(41)
print frmZelmora2 Command1(110)
print frmZelmora2 Command1(113)
print frmZelmora2 algebra
# the y goes into the bin and a unit takes its place on the lower arm: the vertical factor is 0
drag frmZelmora2 Command1(51) 0 0 11000 6500
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 5200 5000
print frmZelmora2 Command1(114)
print frmZelmora2 algebra
# the band under the board says the same, a word before each part
print frmZelmora2 band
