# The board as pictured in docs/board3.png: (2x² + 3x - 1) + (x² - 2x + 4), each polynomial's
# positive terms raised in the positive half and its negative terms flat in the negative half,
# the first on the left and the second on the right. Every gap is wider than 200, so no tile moves.
start
open frmZelmora4
click frmZelmora4 Command2
click frmZelmora4 Command2
click frmZelmora4 Command2
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
# 2x² + 3x in the positive half, -1 in the negative half
drag frmZelmora4 Command1(0) 0 0 1200 700
drag frmZelmora4 Command1(1) 0 0 2800 700
drag frmZelmora4 Command1(21) 0 0 1200 2500
drag frmZelmora4 Command1(22) 0 0 2800 2500
drag frmZelmora4 Command1(23) 0 0 1200 3100
drag frmZelmora4 Command1(111) 0 0 1200 4700
# x² + 4 in the positive half, -2x in the negative half
drag frmZelmora4 Command1(2) 0 0 5700 700
drag frmZelmora4 Command1(112) 0 0 5700 2500
drag frmZelmora4 Command1(110) 0 0 6350 2500
drag frmZelmora4 Command1(113) 0 0 7000 2500
drag frmZelmora4 Command1(114) 0 0 7650 2500
drag frmZelmora4 Command1(24) 0 0 5700 4700
drag frmZelmora4 Command1(25) 0 0 5700 5300
print frmZelmora4 tiles
print beeps
