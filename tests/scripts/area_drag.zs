# Where a dropped tile lands: the grab point ends under the pointer, on the mat or over a tile
start
open frmZelmora1
click frmZelmora1 Command7
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 250 100 3000 4000
print frmZelmora1 Command1(111)
# released over tile 111: the same arithmetic, and the two may overlap
drag frmZelmora1 Command1(112) 250 100 3100 4100
print frmZelmora1 Command1(112)
# the grab offsets are rounded to whole twips, halves to even
drag frmZelmora1 Command1(112) 250.5 100.5 5000 5000
print frmZelmora1 Command1(112)
drag frmZelmora1 Command1(112) 251.5 99.5 5000 5000
print frmZelmora1 Command1(112)
# the right and middle buttons drag as well
press frmZelmora1 Command1(112) 0 0 right
move frmZelmora1 6000 3000
up frmZelmora1 6000 3000
print frmZelmora1 Command1(112)
press frmZelmora1 Command1(112) 0 0 middle
up frmZelmora1 6100 3000
print frmZelmora1 Command1(112)
# releases that nothing takes: a palette button, the rotate button, Back, outside the window
drag frmZelmora1 Command1(112) 0 0 11000 2500
drag frmZelmora1 Command1(112) 0 0 11000 2000
drag frmZelmora1 Command1(112) 0 0 11000 7500
drag frmZelmora1 Command1(112) 0 0 12000 3000
drag frmZelmora1 Command1(112) 0 0 3000 8490
print frmZelmora1 Command1(112)
print windows
# the clear member starts no drag: released elsewhere, it is no click and nothing moves
press frmZelmora1 Command1(141) 10 10
up frmZelmora1 4000 4000
print frmZelmora1 tiles
print frmZelmora1 focus
