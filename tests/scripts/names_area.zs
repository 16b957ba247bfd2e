# What a screen reader hears on Board 1 and on the menu: every visible control front to back,
# tiles by their kind and by where measuring counts them
start
print frmZelmora names
open frmZelmora1
print frmZelmora1 names
# a unit as the palette brings it out, then one on the board away from every strip
click frmZelmora1 Command7
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 6000 3000
# (x + 1)(x + 1): a unit and an upright x up the axis line, a flat x on the bottom strip
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 3000 3000
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
# an x² inside the product rectangle; its Top on the rectangle's Top
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
print frmZelmora1 names
# a tile in the bottom-left corner counts on both strips
click frmZelmora1 Command1(141)
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 7400
print frmZelmora1 Command1(111)
print frmZelmora1 names
