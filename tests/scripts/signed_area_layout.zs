# Board 2 as it opens: the strips, quadrants, sign labels, product outlines, palette, buttons,
# bin and rotation zone; only the origin square shows of the pool, and every tile waits at home.
start
open frmZelmora2
print frmZelmora2 focus
print frmZelmora2 tiles
print frmZelmora2 Shape1
print frmZelmora2 Shape2
print frmZelmora2 Shape7(0)
print frmZelmora2 Shape7(1)
print frmZelmora2 Shape7(2)
print frmZelmora2 Shape7(3)
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
print frmZelmora2 Label2(0)
print frmZelmora2 Label2(1)
print frmZelmora2 Label2(2)
print frmZelmora2 Label2(3)
print frmZelmora2 Label2(5)
print frmZelmora2 Label2(6)
print frmZelmora2 Label1
print frmZelmora2 Text1
print frmZelmora2 Text2
print frmZelmora2 Text3
print frmZelmora2 Text4
print frmZelmora2 Command2
print frmZelmora2 Command3
print frmZelmora2 Command4
print frmZelmora2 Command5
print frmZelmora2 Command6
print frmZelmora2 Command7
print frmZelmora2 Command8
print frmZelmora2 Command9
print frmZelmora2 Command10
print frmZelmora2 Command11
print frmZelmora2 Image1(0)
print frmZelmora2 Image1(1)
print frmZelmora2 Image2
print frmZelmora2 Image3
print frmZelmora2 Image4
# one tile of every kind from the palette, each at its home in Board 2's sizes
click frmZelmora2 Command2
click frmZelmora2 Command3
click frmZelmora2 Command4
click frmZelmora2 Command5
click frmZelmora2 Command8
click frmZelmora2 Command6
click frmZelmora2 Command7
click frmZelmora2 Command7
click frmZelmora2 Command7
print frmZelmora2 tiles
print frmZelmora2 focus
# the last homes of each run
print frmZelmora2 Command1(20)
print frmZelmora2 Command1(40)
print frmZelmora2 Command1(50)
print frmZelmora2 Command1(70)
print frmZelmora2 Command1(90)
print frmZelmora2 Command1(109)
print frmZelmora2 Command1(140)
# overlapping homes: the press goes to the member earlier in the stacking order, 110 before 111
# and 112, and the xy tile before the five-strip it covers
down frmZelmora2 2100 100
up frmZelmora2 2100 1100
down frmZelmora2 1500 300
up frmZelmora2 1500 2300
print frmZelmora2 Command1(110)
print frmZelmora2 Command1(111)
print frmZelmora2 Command1(71)
print frmZelmora2 Command1(91)
