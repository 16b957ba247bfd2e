# A tile in the bin keeps the focus while hidden; when it loses it, it stays at its home
start
open frmZelmora1
click frmZelmora1 Command7
click frmZelmora1 Command7
# square 112 with its right edge 20 left of square 111's home Left (7860)
drag frmZelmora1 Command1(112) 0 0 7340 4000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(111) 0 0 11000 6500
print frmZelmora1 Command1(111)
print frmZelmora1 focus
# the next press takes the focus from the hidden tile: it must not be pulled off its home
click frmZelmora1 Command7
print frmZelmora1 focus
print frmZelmora1 Command1(111)
# the same when the keyboard takes the focus from the hidden tile
drag frmZelmora1 Command1(111) 0 0 5000 5000
drag frmZelmora1 Command1(111) 0 0 11000 6500
print frmZelmora1 focus
key frmZelmora1 tab
print frmZelmora1 focus
print frmZelmora1 Command1(111)
