# Each board button loads its board on the first press and only brings it to the front after that;
# the menu stays open and usable, and the boards are independent of one another.
start
# "Zelmora (4)" twice: one Board 4 window, in front both times.
click frmZelmora Command5
print windows
down frmZelmora 100 100
up frmZelmora 100 100
print windows
click frmZelmora Command5
print windows
# The keyboard reaches the boards too: Enter on the focused button presses it.
print frmZelmora focus
key frmZelmora tab
key frmZelmora tab
print frmZelmora focus
key frmZelmora enter
print windows
print guide
# A board already open comes to the front without being loaded again: a tile moved on Board 4
# is where it was left.
drag frmZelmora5 Command1(1) 700 200 1700 3800
print frmZelmora5 Command1(1)
click frmZelmora Command5
print windows
print frmZelmora5 Command1(1)
# Board 1 and Board 2 open with tiles out; Back on Board 2 closes Board 2 alone and leaves
# Board 1 as it was.
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 250 100 3000 4000
print frmZelmora1 tiles
print frmZelmora1 focus
click frmZelmora Command2
click frmZelmora2 Command7
print windows
click frmZelmora2 Command10
print windows
print frmZelmora1 tiles
print frmZelmora1 focus
print frmZelmora1 Shape3
print frmZelmora5 Command1(1)
# A board's close box does what its Back button does; the menu has no close box of its own.
click frmZelmora Command3
print windows
close frmZelmora4
print windows
close frmZelmora1
close frmZelmora5
print windows
print frmZelmora focus
print running
