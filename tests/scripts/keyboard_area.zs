# Board 1 by keyboard. Each move is made twice, first with the keys and then, on the board opened
# afresh, with the mouse: an arrow moves the pointer of a drag that began as a press at the tile's
# centre, by 500 twips (50 with Shift), so both halves print the same lines.
start
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command7
drag frmZelmora1 Command1(21) 0 0 2000 6500
drag frmZelmora1 Command1(111) 0 0 2000 6000
# the x tile (1300 x 500 at 2000, 6500) from its centre to (2600, 7750): onto the strip, measured
key frmZelmora1 shift+tab
key frmZelmora1 shift+tab
key frmZelmora1 down
key frmZelmora1 down
key frmZelmora1 shift+left
key frmZelmora1 enter
print frmZelmora1 Command1(21)
print frmZelmora1 Text2
# the unit square onto the x tile, released at (2250, 7300)
key frmZelmora1 shift+tab
key frmZelmora1 down
key frmZelmora1 down
key frmZelmora1 shift+down
key frmZelmora1 space
print frmZelmora1 Command1(111)
print frmZelmora1 focus
# R turns the x tile on the rotation zone; it keeps the focus, and Delete bins it
key frmZelmora1 shift+tab
key frmZelmora1 shift+tab
key frmZelmora1 r
print frmZelmora1 Command1(21)
print frmZelmora1 focus
key frmZelmora1 delete
print frmZelmora1 Command1(21)
print frmZelmora1 Text2
# Escape lets go: Tab meanwhile leaves the focus on the dragged tile, and nothing moves
key frmZelmora1 tab
key frmZelmora1 right
key frmZelmora1 tab
key frmZelmora1 escape
print frmZelmora1 tiles
print frmZelmora1 focus
# the same with the mouse
close frmZelmora1
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command7
drag frmZelmora1 Command1(21) 0 0 2000 6500
drag frmZelmora1 Command1(111) 0 0 2000 6000
drag frmZelmora1 Command1(21) 650 250 2600 7750
print frmZelmora1 Command1(21)
print frmZelmora1 Text2
drag frmZelmora1 Command1(111) 250 250 2250 7300
print frmZelmora1 Command1(111)
print frmZelmora1 focus
drag frmZelmora1 Command1(21) 650 250 11257.5 997.5
print frmZelmora1 Command1(21)
print frmZelmora1 focus
drag frmZelmora1 Command1(21) 250 650 11220 6540
print frmZelmora1 Command1(21)
print frmZelmora1 Text2
press frmZelmora1 Command1(111) 250 250
move frmZelmora1 2750 7300
up frmZelmora1 -1 -1
print frmZelmora1 tiles
print frmZelmora1 focus
