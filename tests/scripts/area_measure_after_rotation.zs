# After a rotation the tile keeps the focus; pressing the rotate button snaps it first, then measures
start
open frmZelmora1
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 2000 6000
print frmZelmora1 Command1(21)
drag frmZelmora1 Command1(21) 0 0 11000 1000
print frmZelmora1 Command1(21)
print frmZelmora1 focus
# its bottom now lies 40 below the clear member's top: the click pulls it up onto it
click frmZelmora1 Command9
print frmZelmora1 Command1(21)
print frmZelmora1 focus
print frmZelmora1 Text2
print frmZelmora1 Shape3
