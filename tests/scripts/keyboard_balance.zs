# Board 4 by keyboard: one unit is 400 twips, and the balance picture takes no drop. Each move is
# made with the keys and then, on the board opened afresh, with the mouse; both halves print the
# same lines but for the beeps, which count from the start.
start
open frmZelmora5
drag frmZelmora5 Command1(1) 700 200 1200 3500
# an x (1385 x 400) from the stock at (4920, 4800) into the left pan's positive region, released at
# (2412.5, 1800); the press puts it first in the tab order, so Tab then goes to tile 1
key frmZelmora5 tab
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 left
key frmZelmora5 enter
print frmZelmora5 Command1(0)
key frmZelmora5 tab
print frmZelmora5 focus
# the negative x onto the positive one, released at (2192.5, 1900): they cancel with a beep
key frmZelmora5 right
key frmZelmora5 right
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 enter
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
print beeps
# over the bin, which shows full, and Escape: nothing moves; then Delete throws it in
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 up
key frmZelmora5 r
print frmZelmora5 Image2
key frmZelmora5 escape
print frmZelmora5 Command1(1)
print frmZelmora5 focus
key frmZelmora5 delete
print frmZelmora5 Command1(1)
print frmZelmora5 Image2
# the same with the mouse
close frmZelmora5
open frmZelmora5
drag frmZelmora5 Command1(1) 700 200 1200 3500
key frmZelmora5 tab
drag frmZelmora5 Command1(0) 692.5 200 2412.5 1800
print frmZelmora5 Command1(0)
key frmZelmora5 tab
print frmZelmora5 focus
drag frmZelmora5 Command1(1) 692.5 200 2192.5 1900
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
print beeps
press frmZelmora5 Command1(1) 692.5 200
move frmZelmora5 5612.5 3400
print frmZelmora5 Image2
up frmZelmora5 -1 -1
print frmZelmora5 Command1(1)
print frmZelmora5 focus
drag frmZelmora5 Command1(1) 692.5 200 5700 2940
print frmZelmora5 Command1(1)
print frmZelmora5 Image2
