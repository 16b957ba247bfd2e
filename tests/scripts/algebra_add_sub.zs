# The algebra of Board 3: the tiles on the halves by their mark, and what they come to together
start
open frmZelmora4
# the guide's first activity: (2x² + 3x - 1) + (x² - 2x + 4) laid out
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
print frmZelmora4 algebra
# the zero pairs: both negative x on positive x, the negative unit on a positive unit
drag frmZelmora4 Command1(24) 100 100 1300 2600
drag frmZelmora4 Command1(25) 100 100 2900 2600
drag frmZelmora4 Command1(111) 100 100 5800 2600
print beeps
print frmZelmora4 algebra
close frmZelmora4
open frmZelmora4
# the mark decides: an x with Top 3850 is positive, at 3850.5 negative
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 2000 3850
print frmZelmora4 algebra
drag frmZelmora4 Command1(21) 0 0 2000 3850.5
print frmZelmora4 algebra
# a positive x kept apart from it: together they come to 0
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 5000 1000
print frmZelmora4 algebra
# a y left at home counts nowhere; xy in the negative half, y in the positive half
click frmZelmora4 Command5
click frmZelmora4 Command8
drag frmZelmora4 Command1(71) 0 0 3000 5500
click frmZelmora4 Command5
drag frmZelmora4 Command1(52) 0 0 5000 2000
# the halves begin at Left 420: a unit at 419 counts nowhere, one at 420 does
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 419 1000
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 420 2000
print frmZelmora4 tiles
print frmZelmora4 algebra
# the band under the board says the same, a word before each part
print frmZelmora4 band
