# The bin, Clear, Back, and hidden tiles that stay at their homes when their pass runs
start
open frmZelmora4
click frmZelmora4 Command7
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2000 5000
print frmZelmora4 Command1(22)
# the bin hides the tile and sends it home; it presses nothing and leaves the focus on the tile
drag frmZelmora4 Command1(22) 100 100 9700 6300
print frmZelmora4 Command1(22)
print frmZelmora4 focus
print frmZelmora4 Image2
# the tile's pass runs when the next control takes the focus: at its home it is marked 1, and
# square 111 at home, 140 left of it, does not pull it off its stack
click frmZelmora4 Command2
print frmZelmora4 Command1(22)
# after a zero pair the dragged tile's pass runs hidden at its home too: square 112 on the board,
# its lower edge 180 above that home, does not pull it up
click frmZelmora4 Command3
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 5000 800
drag frmZelmora4 Command1(22) 0 0 2000 5000
drag frmZelmora4 Command1(21) 100 100 2100 5100
print beeps
print frmZelmora4 Command1(21)
print frmZelmora4 Command1(22)
click frmZelmora4 Command3
print frmZelmora4 Command1(21)
# a drag that passes over the bin and ends outside the window leaves the bin full
drag frmZelmora4 Command1(112) 0 0 5000 6000
down frmZelmora4 5100 6100
move frmZelmora4 9700 6300
move frmZelmora4 7000 6000
up frmZelmora4 12000 6000
print frmZelmora4 Command1(112)
print frmZelmora4 Image2
# Clear hides every tile and sends it home; the bar, the marks and the bin picture stay
click frmZelmora4 Command15
print frmZelmora4 tiles
print frmZelmora4 Image2
print frmZelmora4 Command1(112)
print frmZelmora4 focus
click frmZelmora4 Command7
click frmZelmora4 Command7
print frmZelmora4 tiles
# Back, and a new opening starts every tile over with mark 1
click frmZelmora4 Command10
open frmZelmora4
click frmZelmora4 Command7
click frmZelmora4 Command7
print frmZelmora4 tiles
print frmZelmora4 Image2
