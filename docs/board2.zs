# Board 2 with (x + 1)(x - 2) laid out: x + 1 on the upper arm, x on the right arm and two units
# on the left arm; x² + x fills the positive upper-right rectangle and -2x - 2 the negative
# upper-left one. Render with: zelmora-screenshot docs/board2.zs frmZelmora2 docs/board2.png
start
open frmZelmora2
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
