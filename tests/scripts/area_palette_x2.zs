# x² tiles come out 0 to 20 in order; a tile put back while later ones are out comes back first
start
open frmZelmora1
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
print frmZelmora1 Command1(5)
print frmZelmora1 Command1(6)
# tile 2 goes into the bin, then the next press brings tile 2 back, not tile 6
drag frmZelmora1 Command1(2) 100 100 11000 6500
print frmZelmora1 Command1(2)
print frmZelmora1 Image2
click frmZelmora1 Command2
print frmZelmora1 Command1(2)
print frmZelmora1 Command1(6)
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
click frmZelmora1 Command2
print frmZelmora1 Command1(19)
print frmZelmora1 Command1(20)
# the 21st press shows tile 20, the 22nd changes nothing
click frmZelmora1 Command2
click frmZelmora1 Command2
print frmZelmora1 Command1(20)
print frmZelmora1 tiles
