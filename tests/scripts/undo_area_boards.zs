# Undo and redo on Boards 1 and 2: each action taken back gives the printout from before it,
# each redone the printout from after it, and neither sounds nor runs anything
start
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command3
click frmZelmora1 Command7
click frmZelmora1 Command7
# a rotation: before, after, undone, redone
print frmZelmora1 Command1(21)
print frmZelmora1 focus
drag frmZelmora1 Command1(21) 10 10 11000 500
print frmZelmora1 Command1(21)
print frmZelmora1 focus
undo frmZelmora1
print frmZelmora1 Command1(21)
print frmZelmora1 focus
redo frmZelmora1
print frmZelmora1 Command1(21)
print frmZelmora1 focus
# measured 1800 by 1800; a drop into the bin shrinks it, and undo brings back the tile, the
# rectangle and the measured lengths
drag frmZelmora1 Command1(21) 0 0 300 3000
drag frmZelmora1 Command1(111) 0 0 300 4500
drag frmZelmora1 Command1(22) 0 0 2000 7500
print frmZelmora1 Shape3
print frmZelmora1 Text1
drag frmZelmora1 Command1(111) 10 10 11000 6500
print frmZelmora1 Command1(111)
print frmZelmora1 Shape3
print frmZelmora1 Text1
undo frmZelmora1
print frmZelmora1 Command1(111)
print frmZelmora1 Shape3
print frmZelmora1 Text1
redo frmZelmora1
print frmZelmora1 Command1(111)
print frmZelmora1 Shape3
# Clear (the special member) taken back, then three undos walk back through the history
click frmZelmora1 Command1(141)
print frmZelmora1 tiles
undo frmZelmora1
print frmZelmora1 tiles
undo frmZelmora1
undo frmZelmora1
print frmZelmora1 Command1(111)
print frmZelmora1 Command1(22)
# a press and release on the bare board changes nothing and is not recorded; redo still works
down frmZelmora1 6000 7800
up frmZelmora1 6000 7800
redo frmZelmora1
print frmZelmora1 Command1(111)
print frmZelmora1 Command1(22)
# undo while the button is held does nothing; the drop still lands
press frmZelmora1 Command1(112) 10 10
undo frmZelmora1
print frmZelmora1 tiles
up frmZelmora1 4000 5000
print frmZelmora1 Command1(112)
# a new action after an undo leaves nothing to redo
undo frmZelmora1
click frmZelmora1 Command7
redo frmZelmora1
print frmZelmora1 Command1(112)
print beeps
# Board 2: a rotation and Clear, each taken back and redone; Board 1 keeps its own history
open frmZelmora2
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 0 0 2000 1000
print frmZelmora2 Command1(21)
drag frmZelmora2 Command1(21) 40 40 11000 1000
print frmZelmora2 Command1(21)
undo frmZelmora2
print frmZelmora2 Command1(21)
redo frmZelmora2
print frmZelmora2 Command1(21)
print frmZelmora2 Shape3
click frmZelmora2 Command11
print frmZelmora2 tiles
print frmZelmora2 Shape3
undo frmZelmora2
print frmZelmora2 tiles
print frmZelmora2 Shape3
redo frmZelmora2
print frmZelmora2 tiles
undo frmZelmora2
undo frmZelmora1
print frmZelmora1 Command1(110)
# Back unloads the board and its history with it: reopened, there is nothing to undo
click frmZelmora2 Command10
open frmZelmora2
undo frmZelmora2
print frmZelmora2 tiles
