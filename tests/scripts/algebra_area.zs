# The algebra of Board 1: the factors measuring counts, their product, and the tiles inside
start
open frmZelmora1
# an empty board stands for nothing; both factors keep their parentheses
print frmZelmora1 algebra
# height: an upright x with its right edge on the axis line adds x, a flat x snapped left of the
# line adds only its 1 that runs up the line
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 3000 3000
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5960
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 100 5000
print frmZelmora1 Command1(22)
# width: a flat y and a five-strip on the strip, the y dropped below the strip's top and set on it
click frmZelmora1 Command5
drag frmZelmora1 Command1(51) 0 0 3000 3000
drag frmZelmora1 Command1(51) 10 10 11000 500
drag frmZelmora1 Command1(51) 0 0 1000 7500
click frmZelmora1 Command6
drag frmZelmora1 Command1(91) 0 0 2050 7260
# a unit over the strip whose Top lies above the strip's top counts nowhere
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 5000 7200
print frmZelmora1 Command1(111)
print frmZelmora1 algebra
# inside: an xy tile whose Top equals the rectangle's Top, and a unit further in
click frmZelmora1 Command8
drag frmZelmora1 Command1(71) 0 0 900 5460
print frmZelmora1 Command1(71)
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 4400 6000
print frmZelmora1 algebra
# clearing hides every tile: nothing is left
click frmZelmora1 Command1(141)
print frmZelmora1 algebra
close frmZelmora1
# the guide's first activity, (x + 2)(x + 3), filled: the tiles inside make the product
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
click frmZelmora1 Command3
drag frmZelmora1 Command1(26) 0 0 900 6260
click frmZelmora1 Command3
drag frmZelmora1 Command1(27) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(115) 0 0 2200 6260
click frmZelmora1 Command7
drag frmZelmora1 Command1(116) 0 0 2700 6260
click frmZelmora1 Command7
drag frmZelmora1 Command1(117) 0 0 3200 6260
click frmZelmora1 Command7
drag frmZelmora1 Command1(118) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(119) 0 0 2700 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(120) 0 0 3200 6760
print frmZelmora1 algebra
# the band under the board says the same, a word before each part
print frmZelmora1 band
