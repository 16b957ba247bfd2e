# Board 3 by keyboard: one unit is 400 twips, and the board has no rotation zone. Each move is made
# with the keys and then, on the board opened afresh, with the mouse; both halves print the same.
start
open frmZelmora4
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 3400
drag frmZelmora4 Command1(22) 100 100 5100 4300
drag frmZelmora4 Command1(23) 100 100 3000 5000
# the positive x (1385 x 400 at 2000, 3440) onto the negative one, released at (5492.5, 4440):
# a zero pair, gone with a beep
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 right
key frmZelmora4 down
key frmZelmora4 down
key frmZelmora4 enter
print beeps
print frmZelmora4 tiles
print frmZelmora4 focus
# the third x from the negative half up into the positive one: placed and marked anew
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
key frmZelmora4 up
key frmZelmora4 up
key frmZelmora4 up
key frmZelmora4 shift+right
key frmZelmora4 space
print frmZelmora4 Command1(23)
# R turns nothing here and starts no drag; Delete bins the tile
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
key frmZelmora4 r
print frmZelmora4 focus
key frmZelmora4 delete
print frmZelmora4 Command1(23)
print frmZelmora4 Image2
print frmZelmora4 focus
# the same with the mouse
close frmZelmora4
open frmZelmora4
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 3400
drag frmZelmora4 Command1(22) 100 100 5100 4300
drag frmZelmora4 Command1(23) 100 100 3000 5000
drag frmZelmora4 Command1(21) 692.5 200 5492.5 4440
print beeps
print frmZelmora4 tiles
print frmZelmora4 focus
drag frmZelmora4 Command1(23) 692.5 200 3642.5 3900
print frmZelmora4 Command1(23)
key frmZelmora4 shift+tab
key frmZelmora4 shift+tab
print frmZelmora4 focus
drag frmZelmora4 Command1(23) 692.5 200 10080 6720
print frmZelmora4 Command1(23)
print frmZelmora4 Image2
print frmZelmora4 focus
