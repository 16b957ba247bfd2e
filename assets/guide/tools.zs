# Board 1 halfway through (x + 2)(x + 3): both factors laid out, and x² with three upright x
# inside the product rectangle, for the picture of a board window with its toolbar and band.
start
open frmZelmora1
# the height factor x + 2: two units, then an upright x above them
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 400 6260
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 3000 3000
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 4960
# the width factor x + 3: a flat x, then three units
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 2700 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 3200 7260
# the product: x² in the corner, three upright x beside it, two flat x under it, six units
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 6000 2000
drag frmZelmora1 Command1(23) 10 10 11000 500
drag frmZelmora1 Command1(23) 0 0 2200 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 0 0 6000 2000
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2700 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 0 0 6000 2000
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 3200 4960
