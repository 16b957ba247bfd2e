# Board 4 as it opens: two pans with their four regions, the sign labels, the balance picture, the
# bin and its two picture stores, Clear and Back, and all 66 tiles raised in the four stacks of the
# stock. Back closes the board; opening it again gives the same picture, with nothing kept.
start
open frmZelmora5
print frmZelmora5 focus
print frmZelmora5 Command15
print frmZelmora5 Command10
print frmZelmora5 Shape5
print frmZelmora5 Shape6
print frmZelmora5 Shape4
print frmZelmora5 Shape2
print frmZelmora5 Shape3
print frmZelmora5 Shape1
print frmZelmora5 Label2(6)
print frmZelmora5 Label2(2)
print frmZelmora5 Label2(0)
print frmZelmora5 Label2(1)
print frmZelmora5 Image1
print frmZelmora5 Image2
print frmZelmora5 Image3
print frmZelmora5 Image4
print frmZelmora5 tiles
# Move a few tiles into the pans, flatten one, fill the bin, then leave with Back.
drag frmZelmora5 Command1(0) 700 200 1700 4000
drag frmZelmora5 Command1(25) 450 200 8000 1200
press frmZelmora5 Command1(40) 200 200
move frmZelmora5 5500 2800
move frmZelmora5 8000 4000
up frmZelmora5 8000 4000
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(25)
print frmZelmora5 Command1(40)
print frmZelmora5 Image2
click frmZelmora5 Command10
open frmZelmora5
print frmZelmora5 focus
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(25)
print frmZelmora5 Command1(40)
print frmZelmora5 Image2

