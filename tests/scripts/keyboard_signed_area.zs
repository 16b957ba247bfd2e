# Board 2 by keyboard: one unit is 350 twips. Each move is made with the keys and then, on the board
# opened afresh, with the mouse; both halves print the same lines.
start
open frmZelmora2
click frmZelmora2 Command3
click frmZelmora2 Command3
click frmZelmora2 Command7
click frmZelmora2 Command7
drag frmZelmora2 Command1(21) 0 0 5500 2400
drag frmZelmora2 Command1(22) 0 0 9800 600
drag frmZelmora2 Command1(111) 0 0 5000 3000
drag frmZelmora2 Command1(112) 0 0 10000 5500
# the origin square takes no keyboard drag: it keeps the focus and stays put
key frmZelmora2 shift+tab
key frmZelmora2 shift+tab
key frmZelmora2 left
key frmZelmora2 enter
print frmZelmora2 Command1(141)
print frmZelmora2 focus
# a unit square over the bin, which shows full, and into it at (10875, 6375)
key frmZelmora2 shift+tab
key frmZelmora2 right
key frmZelmora2 right
key frmZelmora2 down
key frmZelmora2 down
print frmZelmora2 Image2
key frmZelmora2 enter
print frmZelmora2 Command1(112)
print frmZelmora2 Image2
# the other unit square onto the x tile at (5500, 2400), released at (5675, 2475)
key frmZelmora2 shift+tab
key frmZelmora2 right
key frmZelmora2 up
key frmZelmora2 up
key frmZelmora2 enter
print frmZelmora2 Command1(111)
# an x tile onto the rotation zone at (11125, 775)
key frmZelmora2 shift+tab
key frmZelmora2 shift+tab
key frmZelmora2 shift+tab
key frmZelmora2 shift+tab
key frmZelmora2 right
key frmZelmora2 right
key frmZelmora2 enter
print frmZelmora2 Command1(22)
# the first x tile down onto the strip, a drop on the board at (6125, 3975)
key frmZelmora2 shift+tab
key frmZelmora2 down
key frmZelmora2 down
key frmZelmora2 down
key frmZelmora2 down
key frmZelmora2 enter
print frmZelmora2 tiles
print frmZelmora2 focus
# the same with the mouse
close frmZelmora2
open frmZelmora2
click frmZelmora2 Command3
click frmZelmora2 Command3
click frmZelmora2 Command7
click frmZelmora2 Command7
drag frmZelmora2 Command1(21) 0 0 5500 2400
drag frmZelmora2 Command1(22) 0 0 9800 600
drag frmZelmora2 Command1(111) 0 0 5000 3000
drag frmZelmora2 Command1(112) 0 0 10000 5500
key frmZelmora2 shift+tab
key frmZelmora2 shift+tab
print frmZelmora2 Command1(141)
print frmZelmora2 focus
press frmZelmora2 Command1(112) 175 175
move frmZelmora2 10875 6375
print frmZelmora2 Image2
up frmZelmora2 10875 6375
print frmZelmora2 Command1(112)
print frmZelmora2 Image2
drag frmZelmora2 Command1(111) 175 175 5675 2475
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(22) 625 175 11125 775
print frmZelmora2 Command1(22)
drag frmZelmora2 Command1(21) 625 175 6125 3975
print frmZelmora2 tiles
print frmZelmora2 focus
