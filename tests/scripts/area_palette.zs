# The palette brings unit squares out in their own order: 111, 112, then 110
start
open frmZelmora1
click frmZelmora1 Command7
print frmZelmora1 tiles
click frmZelmora1 Command7
click frmZelmora1 Command7
print frmZelmora1 tiles
# 28 more presses: all 31 squares are out, 129 the last of them
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
click frmZelmora1 Command7
print frmZelmora1 Command1(129)
print frmZelmora1 Command1(140)
click frmZelmora1 Command7
print frmZelmora1 Command1(129)
# a 32nd press changes nothing
click frmZelmora1 Command7
print frmZelmora1 Command1(129)
print frmZelmora1 Command1(110)
# the palette never moves a tile, and nothing was measured
print frmZelmora1 Shape3
