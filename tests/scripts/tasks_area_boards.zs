# Goals on Boards 1 and 2: multiply and factor, checked after every action; the band shows the
# goal above the algebra and the feedback below it
start
open frmZelmora1
goal frmZelmora1 multiply (x+3)(x+2)
print frmZelmora1 goal
print frmZelmora1 check
# the guide's (x + 2)(x + 3) but for the x of the height, kept aside: two units up the axis, x + 3
# along it
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 3000 3000
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 400 6260
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
# one unit short, and the height is only 2: the factor is what the hint names first
print frmZelmora1 check
print frmZelmora1 band
# a flat x laid up the axis adds only its 1: the height is 3, still no factor of the goal
drag frmZelmora1 Command1(21) 0 0 400 4960
print frmZelmora1 Command1(21)
print frmZelmora1 algebra
print frmZelmora1 check
# turned upright and laid again, it makes x + 2: the rectangle is one unit short
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 4960
print frmZelmora1 Command1(21)
print frmZelmora1 check
print frmZelmora1 band
# the sixth unit fills it
click frmZelmora1 Command7
drag frmZelmora1 Command1(120) 0 0 3200 6760
print frmZelmora1 check
print frmZelmora1 band
# the factors in the order the goal gives them, and a factor that differs
goal frmZelmora1 multiply (x+2)(x+3)
print frmZelmora1 check
goal frmZelmora1 multiply (x+2)(x+4)
print frmZelmora1 check
print frmZelmora1 band
# factor: the product of the factors is what counts
goal frmZelmora1 factor x^2 + 5x + 6
print frmZelmora1 goal
print frmZelmora1 check
goal frmZelmora1 factor (x+1)(x+6)
print frmZelmora1 goal
print frmZelmora1 check
# one tile too many: a unit more inside
goal frmZelmora1 factor س² + 5س + 6
click frmZelmora1 Command7
drag frmZelmora1 Command1(121) 0 0 2400 5200
print frmZelmora1 algebra
print frmZelmora1 check
print frmZelmora1 band
# undo takes the unit back, not the goal
undo frmZelmora1
print frmZelmora1 goal
print frmZelmora1 check
# goals that cannot be read, or that Board 1 cannot hold, change nothing
goal frmZelmora1 multiply (x-1)(x+1)
goal frmZelmora1 multiply (x)(0)
goal frmZelmora1 factor x^2 - 1
goal frmZelmora1 factor 0
goal frmZelmora1 simplify x + 1
goal frmZelmora1 solve x = 2
goal frmZelmora1 multiply (x+1)
goal frmZelmora1 multiply (x^2)(x)
goal frmZelmora1 factor x^3
goal frmZelmora1 factor 2x +
goal frmZelmora1 factor 2z
goal frmZelmora1 divide x
# no rectangle of tiles makes these: their factors would not be whole
goal frmZelmora1 factor x^2 + 5x + 7
goal frmZelmora1 factor x^2 + y^2
print frmZelmora1 goal
# removed, the band is the algebra alone again
goal frmZelmora1 none
print frmZelmora1 goal
print frmZelmora1 check
print frmZelmora1 band
# the menu holds no goal
goal frmZelmora factor x
# Board 2, the guide's (x + 1)(x - 2), its last unit left out
open frmZelmora2
goal frmZelmora2 multiply (x-2)(x+1)
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5300 3600
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5300 2300
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5700 4000
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4050
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4050
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5650 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5650 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2300
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4460 2300
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3600
print frmZelmora2 algebra
print frmZelmora2 band
# the last grey unit makes the product, with the quadrants' signs
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 3600
print frmZelmora2 check
print frmZelmora2 band
goal frmZelmora2 multiply (x + 1)(x - 2)
print frmZelmora2 check
goal frmZelmora2 multiply (x + 1)(x + 2)
print frmZelmora2 check
# a square with a side of three terms factors, and so can be set
goal frmZelmora2 factor x^2 + 2xy + y^2 - 1
print frmZelmora2 goal
goal frmZelmora2 factor x^2 - x - 2
print frmZelmora2 check
# a grey unit more in the upper left quadrant: one too many
click frmZelmora2 Command7
drag frmZelmora2 Command1(115) 0 0 1000 1000
print frmZelmora2 algebra
print frmZelmora2 band
# Board 2 has negative tiles; a goal for Board 3 or 4 still does not fit it
goal frmZelmora2 simplify (3x+2)-(x+1)
print frmZelmora2 goal
