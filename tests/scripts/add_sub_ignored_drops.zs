# Drops that nothing takes leave the tile where it was with the focus; its pass waits for the
# next control to take the focus
start
open frmZelmora4
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 2000 1000
# over the "+" label, a palette button, Command9, Clear, Back and outside the window
drag frmZelmora4 Command1(21) 0 0 600 500
drag frmZelmora4 Command1(21) 0 0 10100 3700
drag frmZelmora4 Command1(21) 0 0 10100 5200
drag frmZelmora4 Command1(21) 0 0 10800 6200
drag frmZelmora4 Command1(21) 0 0 10800 6900
drag frmZelmora4 Command1(21) 0 0 12500 3000
print frmZelmora4 Command1(21)
print frmZelmora4 focus
print frmZelmora4 Command10
# a unit square shown at its home and released over a palette button has had no pass yet;
# pressing Command9 takes the focus, and the pass pulls it up against tile 21 far to the left
# (lower edge 1400), then pushes it right against the x² at home (Left 10440)
click frmZelmora4 Command2
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 10 10 10900 3700
print frmZelmora4 Command1(111)
print frmZelmora4 focus
click frmZelmora4 Command9
print frmZelmora4 Command1(111)
print frmZelmora4 tiles
