# Marking on Board 4: a board drop puts the tile where the pointer and grab offset say and marks it
# by the region strictly holding its top-left corner: 1 in the left "+" and the right "-", 0 in the
# left "-" and the right "+". A corner exactly on a region's edge, in the band between the regions,
# on a pan's frame or between the pans leaves the mark as it was. An x is 1385 x 400; every release
# below is clear of the tile's own old place, so each is a drop on the board.
start
open frmZelmora5
# The left pan across: the horizontal extent is Shape2's, 300 < Left < 4200.
drag frmZelmora5 Command1(1) 700 200 1700 3800
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 1000 1200
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 1000.5 2200
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 4900 3800
print frmZelmora5 Command1(1)
# Just inside the right edge: the tile hangs far out of the pan and is marked all the same.
drag frmZelmora5 Command1(1) 700 200 4899.5 4600
print frmZelmora5 Command1(1)
# The left pan down: 420 < Top < 2955 is "+", 3120 < Top < 5655 is "-".
drag frmZelmora5 Command1(1) 700 200 1700 620
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 2700 3155
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 1700 3154.5
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 2700 3320
print frmZelmora5 Command1(1)
# Grabbed near its top so that the pointer stays above the balance picture.
drag frmZelmora5 Command1(1) 700 10 1700 5665
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 10 3200 5664.5
print frmZelmora5 Command1(1)
# The band of the dark pan between the regions keeps a 0 and a 1; so do the pan's frame and the
# space between the pans, even with most of the tile over a region.
drag frmZelmora5 Command1(1) 700 200 1700 3200
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 1700 1700
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 1700 3300
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 900 1200
print frmZelmora5 Command1(1)
drag frmZelmora5 Command1(1) 700 200 5150 1000
print frmZelmora5 Command1(1)
# The right pan across: Shape3's extent, 7020 < Left < 10920. Tile 2 starts with mark 1.
drag frmZelmora5 Command1(2) 700 200 7720 1200
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 200 7720.5 2200
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 200 11620 3800
print frmZelmora5 Command1(2)
# Just inside, hanging out of the window on the right.
drag frmZelmora5 Command1(2) 700 200 11619.5 4600
print frmZelmora5 Command1(2)
# The right pan down.
drag frmZelmora5 Command1(2) 700 200 8700 620
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 200 9700 3155
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 200 8700 3154.5
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 200 9700 3320
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 10 8700 5665
print frmZelmora5 Command1(2)
drag frmZelmora5 Command1(2) 700 10 9900 5664.5
print frmZelmora5 Command1(2)
# From the left "+" to the right "+": the term moves to the other side and its mark goes to 0.
drag frmZelmora5 Command1(3) 700 200 1700 1200
print frmZelmora5 Command1(3)
drag frmZelmora5 Command1(3) 700 200 8700 1200
print frmZelmora5 Command1(3)
# Nothing clamps a drop: the tile may stand partly outside the window.
drag frmZelmora5 Command1(4) 1300 350 200 100
print frmZelmora5 Command1(4)
# Releasing over the balance picture, a sign label, Clear or Back leaves the tile where it was.
drag frmZelmora5 Command1(5) 700 200 5000 7000
drag frmZelmora5 Command1(5) 700 200 500 500
drag frmZelmora5 Command1(5) 700 200 10500 5400
drag frmZelmora5 Command1(5) 700 200 10800 6700
drag frmZelmora5 Command1(5) 700 200 10800 7500
print frmZelmora5 Command1(5)
print beeps
