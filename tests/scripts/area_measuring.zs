# Measuring: heights left of the axis line, widths on the bottom strip, and the product rectangle
start
open frmZelmora1
click frmZelmora1 Command3
click frmZelmora1 Command3
click frmZelmora1 Command7
click frmZelmora1 Command7
# with nothing on either side the rectangle collapses where it was designed
click frmZelmora1 Command9
print frmZelmora1 Shape3
# an upright x tile and a unit square in the left strip: only the height, Left unchanged
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 300 3000
drag frmZelmora1 Command1(111) 0 0 300 4500
print frmZelmora1 Command1(21)
print frmZelmora1 Command1(111)
print frmZelmora1 Shape3
print frmZelmora1 Text1
# an x tile and a unit square on the bottom strip: 1800 by 1800 from (900, 5460) to (2700, 7260)
drag frmZelmora1 Command1(22) 0 0 2000 7500
drag frmZelmora1 Command1(112) 0 0 4000 7400
print frmZelmora1 Shape3
print frmZelmora1 Text1
print frmZelmora1 Text2
# measuring again changes nothing; the rotate button never turns anything
click frmZelmora1 Command9
click frmZelmora1 Command9
print frmZelmora1 Shape3
print frmZelmora1 Command1(22)
# a tile over the strip whose Top is above the strip's top does not count
drag frmZelmora1 Command1(112) 0 0 6000 7200
print frmZelmora1 Text2
# the left side emptied: Height 0, Top unchanged, the width still drawn
drag frmZelmora1 Command1(21) 0 0 11000 6500
drag frmZelmora1 Command1(111) 0 0 11000 6500
print frmZelmora1 Shape3
print frmZelmora1 Text1
# a tile in the lower-left corner counts for both factors
drag frmZelmora1 Command1(112) 0 0 300 7500
print frmZelmora1 Command1(112)
print frmZelmora1 Text1
print frmZelmora1 Text2
print frmZelmora1 Shape3
# an x tile lying flat in the left strip is pulled to Left -400 and adds only 500 to the height
# (the first press brings back tile 21, still upright from before the bin; the second a flat one)
click frmZelmora1 Command3
click frmZelmora1 Command3
print frmZelmora1 Command1(21)
drag frmZelmora1 Command1(23) 0 0 500 2000
print frmZelmora1 Command1(23)
print frmZelmora1 Text1
# everything into the bin: both sides empty, the rectangle shrinks in place
drag frmZelmora1 Command1(21) 0 0 11000 6500
drag frmZelmora1 Command1(23) 0 0 11000 6500
drag frmZelmora1 Command1(22) 0 0 11000 6500
drag frmZelmora1 Command1(112) 0 0 11000 6500
print frmZelmora1 Shape3
print frmZelmora1 Text1
print frmZelmora1 Text2
