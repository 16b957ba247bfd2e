# The four arms measured: an upright x on the upper arm, a unit square on the right arm and two
# on the left arm give U 1250, R 350, L 700 and D 0; then a y dropped on the origin square makes
# the lower arm, measured three times over to the same result; Clear collapses the rectangles
# where they stand and keeps a turned tile turned; a click on the origin square measures.
start
open frmZelmora2
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 100 100 11000 1000
print frmZelmora2 Command1(21)
drag frmZelmora2 Command1(21) 0 0 5300 2710
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5700 4000
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4460 4050
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4810 4050
print frmZelmora2 tiles
print frmZelmora2 Text1
print frmZelmora2 Text2
print frmZelmora2 Text3
print frmZelmora2 Text4
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
# measuring again with nothing moved changes nothing
click frmZelmora2 Command9
print frmZelmora2 tiles
print frmZelmora2 Text1
print frmZelmora2 Shape3
print frmZelmora2 Shape4
# a y released over the origin square: a drop on a tile, measured three times
click frmZelmora2 Command5
drag frmZelmora2 Command1(51) 0 0 5300 4400
print frmZelmora2 focus
print frmZelmora2 Command1(51)
print frmZelmora2 Text4
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
click frmZelmora2 Command9
print frmZelmora2 Text4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
# Clear: every tile hidden and at home, the turned x still 350 x 1250; the rectangles keep
# their places with no size, and the factor boxes their text
click frmZelmora2 Command11
print frmZelmora2 tiles
print frmZelmora2 Command1(21)
print frmZelmora2 Command1(51)
print frmZelmora2 Command1(110)
print frmZelmora2 Text1
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
# the origin square's click measures the empty board
click frmZelmora2 Command1(141)
print frmZelmora2 Text1
print frmZelmora2 Text2
print frmZelmora2 Text3
print frmZelmora2 Text4
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
print frmZelmora2 Command1(141)
# the turned x comes back turned
click frmZelmora2 Command3
print frmZelmora2 tiles
