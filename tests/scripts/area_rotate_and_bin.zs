# The rotation zone turns a tile about its top-left corner; the bin puts it back in the reserve
start
open frmZelmora1
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 2000 3000
print frmZelmora1 Command1(21)
drag frmZelmora1 Command1(21) 40 40 11000 500
print frmZelmora1 Command1(21)
# the zone's lowest strip, just above the rotate button, still turns it
drag frmZelmora1 Command1(21) 40 40 11000 1850
print frmZelmora1 Command1(21)
# the focus stays on the turned tile until something else takes it
drag frmZelmora1 Command1(21) 40 40 11000 1000
print frmZelmora1 focus
# passing over the bin shows it full, and it stays full after a drop elsewhere
press frmZelmora1 Command1(21) 10 10
move frmZelmora1 11000 6500
print frmZelmora1 Image2
move frmZelmora1 5000 2000
up frmZelmora1 5000 2000
print frmZelmora1 Image2
print frmZelmora1 Command1(21)
# into the bin: hidden, home, measured without it, and the empty bin again
drag frmZelmora1 Command1(21) 10 10 2500 7500
print frmZelmora1 Shape3
press frmZelmora1 Command1(21) 10 10
move frmZelmora1 11000 6500
up frmZelmora1 11000 6500
print frmZelmora1 Command1(21)
print frmZelmora1 Image2
print frmZelmora1 Shape3
print frmZelmora1 Text2
# the palette brings it back at home, still turned
click frmZelmora1 Command3
print frmZelmora1 Command1(21)
