# Board 3 as it opens: no tile shows, the dividing bar lies across the two halves
start
open frmZelmora4
print frmZelmora4 tiles
print frmZelmora4 Shape4
print frmZelmora4 Shape1
print frmZelmora4 Label2(6)
print frmZelmora4 Label2(2)
print frmZelmora4 Command9
print frmZelmora4 Command15
print frmZelmora4 Command10
print frmZelmora4 Image2
print frmZelmora4 Image3
print frmZelmora4 Text1
print frmZelmora4 Text2
# the palette grid, two columns by four rows with Command9 in the last cell
print frmZelmora4 Command2
print frmZelmora4 Command3
print frmZelmora4 Command8
# one tile of every kind shows raised at its home, right of both halves; the x² pokes out above
click frmZelmora4 Command2
click frmZelmora4 Command3
click frmZelmora4 Command4
click frmZelmora4 Command5
click frmZelmora4 Command8
click frmZelmora4 Command6
click frmZelmora4 Command7
print frmZelmora4 tiles
# Command9 only takes the focus: pressing it moves and marks nothing
click frmZelmora4 Command9
print frmZelmora4 tiles
print frmZelmora4 focus
# the bar starts no drag: pressed and released elsewhere, nothing moves
press frmZelmora4 Command1(141) 10 10
up frmZelmora4 5000 5000
print frmZelmora4 focus
# a unit square pressed and released in place is dropped on itself and gets its pass: the x²
# at home pulls it right to 10040, then the x tile at home to 10100; the xy tile whose Left
# equals its new right edge touches it and does not pull
press frmZelmora4 Command1(111) 10 10
up frmZelmora4 9910 1450
print frmZelmora4 Command1(111)
print frmZelmora4 Command1(141)
print frmZelmora4 focus
