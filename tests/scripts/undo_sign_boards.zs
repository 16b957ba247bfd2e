# Undo and redo on Boards 3 and 4: a zero pair, a cancel, the bin and Clear, each taken back and
# redone; the beep a pair sounded stays sounded, and undo sounds none
start
open frmZelmora4
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 3400
drag frmZelmora4 Command1(22) 100 100 5100 4300
print frmZelmora4 tiles
print frmZelmora4 focus
# a zero pair
drag frmZelmora4 Command1(21) 100 100 5100 4195
print frmZelmora4 tiles
print beeps
undo frmZelmora4
print frmZelmora4 tiles
print frmZelmora4 focus
print beeps
redo frmZelmora4
print frmZelmora4 tiles
print beeps
# the bin, taken back with the bin's picture and the tile's mark
undo frmZelmora4
drag frmZelmora4 Command1(22) 100 100 9700 6300
print frmZelmora4 tiles
print frmZelmora4 Image2
undo frmZelmora4
print frmZelmora4 tiles
print frmZelmora4 Image2
# Clear, taken back and redone
click frmZelmora4 Command15
print frmZelmora4 tiles
undo frmZelmora4
print frmZelmora4 tiles
redo frmZelmora4
print frmZelmora4 tiles
# Board 4: a cancel sends both tiles to their stacks with a beep; undo brings them back, and the
# tab order the presses changed with them
open frmZelmora5
drag frmZelmora5 Command1(0) 700 200 1200 800
drag frmZelmora5 Command1(1) 700 200 1200 3500
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
key frmZelmora5 tab
print frmZelmora5 focus
drag frmZelmora5 Command1(0) 700 200 1200 3500
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
print beeps
undo frmZelmora5
undo frmZelmora5
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
print frmZelmora5 focus
key frmZelmora5 tab
print frmZelmora5 focus
print beeps
# after the new key, nothing is left to redo
redo frmZelmora5
print frmZelmora5 Command1(0)
# Clear on Board 4, and the bin
click frmZelmora5 Command15
print frmZelmora5 Command1(1)
undo frmZelmora5
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 5700 2900
print frmZelmora5 Command1(1)
undo frmZelmora5
print frmZelmora5 Command1(1)
print frmZelmora5 Image2
redo frmZelmora5
print frmZelmora5 Command1(1)
print frmZelmora5 Image2
# a drag that passes over the bin leaves it full; undo empties it again with the tile back
press frmZelmora5 Command1(0) 700 200
move frmZelmora5 5700 2900
move frmZelmora5 8200 4000
up frmZelmora5 8200 4000
print frmZelmora5 Command1(0)
print frmZelmora5 Image2
undo frmZelmora5
print frmZelmora5 Command1(0)
print frmZelmora5 Image2
print beeps
