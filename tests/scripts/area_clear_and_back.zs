# The clear member hides every tile, even on the strips, and shrinks the product rectangle in place
start
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command7
# x tile onto the bottom strip, unit square into the left strip
drag frmZelmora1 Command1(21) 0 0 2000 7500
drag frmZelmora1 Command1(111) 0 0 300 4000
print frmZelmora1 Shape3
# an x tile turned upright keeps its turn through clearing and comes back turned, at home
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 10 10 11000 500
print frmZelmora1 Command1(22)
click frmZelmora1 Command1(141)
print frmZelmora1 tiles
print frmZelmora1 Shape3
print frmZelmora1 Text1
print frmZelmora1 Text2
click frmZelmora1 Command3
click frmZelmora1 Command3
print frmZelmora1 tiles
# a click on any other member does nothing
click frmZelmora1 Command1(22)
print frmZelmora1 Command1(22)
print frmZelmora1 Command1(21)
# Back closes the board; opening it again gives the design layout
click frmZelmora1 Command10
print windows
open frmZelmora1
print windows
print frmZelmora1 tiles
print frmZelmora1 Command1(22)
print frmZelmora1 Shape3
print frmZelmora1 focus
