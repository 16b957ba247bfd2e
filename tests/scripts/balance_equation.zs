# The equation 2x + 3 = x + 5 on the balance: two x tiles and three unit squares in the left "+",
# one x and a five-strip in the right "+". Every tile in a "+" region is marked by its region: 1 on
# the left, 0 on the right. This is also the state that docs/board4.png shows.
start
open frmZelmora5
drag frmZelmora5 Command1(19) 700 200 1400 1100
drag frmZelmora5 Command1(18) 700 200 1400 1700
drag frmZelmora5 Command1(49) 200 200 2800 1100
drag frmZelmora5 Command1(48) 200 200 3300 1100
drag frmZelmora5 Command1(47) 200 200 3800 1100
drag frmZelmora5 Command1(17) 700 200 8200 1100
drag frmZelmora5 Command1(65) 1000 200 8500 1700
print frmZelmora5 Command1(19)
print frmZelmora5 Command1(18)
print frmZelmora5 Command1(49)
print frmZelmora5 Command1(48)
print frmZelmora5 Command1(47)
print frmZelmora5 Command1(17)
print frmZelmora5 Command1(65)
print beeps
