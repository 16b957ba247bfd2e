# What a screen reader hears on Board 2: the arms, the crossing and the signed quadrants
start
open frmZelmora2
print frmZelmora2 names
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command3
# the upper arm: a unit; the right arm: x; the left arm: a unit
drag frmZelmora2 Command1(111) 0 0 5300 3600
drag frmZelmora2 Command1(21) 0 0 5700 4000
drag frmZelmora2 Command1(112) 0 0 4810 4050
# a unit in each quadrant; Command1(110) stays where the palette put it
drag frmZelmora2 Command1(113) 0 0 6500 2000
drag frmZelmora2 Command1(114) 0 0 3000 2000
drag frmZelmora2 Command1(115) 0 0 3000 6000
drag frmZelmora2 Command1(116) 0 0 6500 6000
print frmZelmora2 names
