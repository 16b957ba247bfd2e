# Snapping against other tiles: of several neighbours in reach the last in index order decides,
# the sideways test is made once before its loop, hidden tiles are no neighbours, a Top exactly
# 350 above the horizontal strip snaps its top edge, and a tile hidden by the bin stays at home.
start
open frmZelmora2
click frmZelmora2 Command2
click frmZelmora2 Command3
click frmZelmora2 Command7
# x² tile 0 rests against the origin square's right edge; x tile 21 on the vertical strip
# gets no sideways step; neither is near anything vertically
drag frmZelmora2 Command1(0) 0 0 5650 500
drag frmZelmora2 Command1(21) 0 0 5580 1900
print frmZelmora2 Command1(0)
print frmZelmora2 Command1(21)
# right edges 6875 (tile 0) and 6830 (tile 21) are both in reach of a Left of 7000; tile 0 is
# nearer, tile 21 comes later and wins
drag frmZelmora2 Command1(111) 0 0 7000 1000
print frmZelmora2 Command1(111)
# with tile 21 back in the reserve only tile 0 is left to pull
drag frmZelmora2 Command1(21) 0 0 11200 6600
drag frmZelmora2 Command1(111) 0 0 7000 1000
print frmZelmora2 Command1(111)
print frmZelmora2 Command1(21)
click frmZelmora2 Command10
# Afresh: x² tile 0 with its right edge at 5550. A unit square dropped at 5700 moves onto that
# edge, which lies on the strip, and then on to the origin square's right edge 5625: the test
# for the sideways step is not repeated inside its loop.
open frmZelmora2
click frmZelmora2 Command2
click frmZelmora2 Command7
drag frmZelmora2 Command1(0) 0 0 4300 500
print frmZelmora2 Command1(0)
drag frmZelmora2 Command1(111) 0 0 5700 1000
print frmZelmora2 Command1(111)
click frmZelmora2 Command10
# Afresh: a unit square with its bottom at 3500 right of the crossing. A Top of 3610, exactly
# 350 above the strip, is lower half: its top edge goes onto that bottom. At 3609 it is upper
# half and its bottom edge goes onto the origin square's top.
open frmZelmora2
click frmZelmora2 Command7
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 7000 3150
print frmZelmora2 Command1(112)
drag frmZelmora2 Command1(111) 0 0 5700 3610
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 5700 3609
print frmZelmora2 Command1(111)
click frmZelmora2 Command10
# Afresh: a five-strip thrown into the bin keeps the focus while hidden. When the focus moves
# on, the unit square at its home would be in reach of its right edge; it stays at home and
# the palette brings it back there.
open frmZelmora2
click frmZelmora2 Command6
click frmZelmora2 Command7
drag frmZelmora2 Command1(91) 100 100 11200 6600
print frmZelmora2 focus
print frmZelmora2 Command1(91)
print frmZelmora2 Image2
click frmZelmora2 Command6
print frmZelmora2 Command1(91)
