# Saving and opening a board: a board saved, closed, opened afresh and loaded prints as it did and
# behaves as it would have; a refused file leaves the window as it was; opening can be undone
start
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command7
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 300 4500
drag frmZelmora1 Command1(21) 0 0 350 2900
# turned on the rotation zone, tile 21 keeps the focus: it snaps only when the focus moves on
drag frmZelmora1 Command1(21) 10 10 11000 500
save frmZelmora1 board1.zelmora
print frmZelmora1 tiles
print frmZelmora1 focus
print frmZelmora1 Shape3
print frmZelmora1 Text1
drag frmZelmora1 Command1(112) 0 0 2000 7500
print frmZelmora1 tiles
print frmZelmora1 Shape3
close frmZelmora1
open frmZelmora1
load frmZelmora1 board1.zelmora
print frmZelmora1 tiles
print frmZelmora1 focus
print frmZelmora1 Shape3
print frmZelmora1 Text1
drag frmZelmora1 Command1(112) 0 0 2000 7500
print frmZelmora1 tiles
print frmZelmora1 Shape3
# opening was one action: two undos give the fresh board back, redo the loaded one
undo frmZelmora1
undo frmZelmora1
print frmZelmora1 tiles
redo frmZelmora1
print frmZelmora1 Command1(21)
# another board's file, a missing file and a file that is no board are refused; nothing changes
open frmZelmora2
save frmZelmora2 board2.zelmora
load frmZelmora1 board2.zelmora
load frmZelmora1 missing.zelmora
load frmZelmora2 board1.zelmora
print frmZelmora1 tiles
print frmZelmora1 focus
# the refusals left no action behind: undo takes back the load itself
undo frmZelmora1
print frmZelmora1 tiles
# Board 4: marks and the tab order the presses changed come back with the file
open frmZelmora5
drag frmZelmora5 Command1(0) 700 200 1200 800
drag frmZelmora5 Command1(20) 450 200 7900 3500
save frmZelmora5 board4.zelmora
key frmZelmora5 tab
print frmZelmora5 focus
drag frmZelmora5 Command1(1) 700 200 7900 800
print frmZelmora5 Command1(1)
click frmZelmora5 Command10
open frmZelmora5
load frmZelmora5 board4.zelmora
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(20)
key frmZelmora5 tab
print frmZelmora5 focus
drag frmZelmora5 Command1(1) 700 200 7900 800
print frmZelmora5 Command1(1)
# a file saved twice over the same name is the later board
save frmZelmora5 board4.zelmora
click frmZelmora5 Command15
load frmZelmora5 board4.zelmora
print frmZelmora5 Command1(1)
