# Snapping against the origin square alone: the reaches 250 and 270 are strict, the left-side
# rule needs a Left more than 100 left of the vertical strip, a Left on the strip gets the
# vertical step only, and a Top exactly 350 above the horizontal strip counts as lower half.
start
open frmZelmora2
# the x² tile dropped at (5700, 2500) ends with its lower-left corner on the origin square's
# upper-right corner
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5700 2500
print frmZelmora2 Command1(0)
# into the bin, out of the way of what follows
drag frmZelmora2 Command1(0) 0 0 11200 6600
print frmZelmora2 Command1(0)
click frmZelmora2 Command7
# sideways onto the origin square's right edge 5625: 249 snaps, 250 does not
drag frmZelmora2 Command1(111) 0 0 5874 1000
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 5875 1000
print frmZelmora2 Command1(111)
# bottom edge onto the origin square's top 3960: 269 snaps, 270 does not
drag frmZelmora2 Command1(111) 0 0 5625 3341
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 5625 3340
print frmZelmora2 Command1(111)
# top edge onto the origin square's bottom 4410: 269 snaps, 270 does not
drag frmZelmora2 Command1(111) 0 0 7000 4679
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 7000 4680
print frmZelmora2 Command1(111)
# right edge onto the origin square's left edge 5160, from either side: 249 snaps, 250 does not
drag frmZelmora2 Command1(111) 0 0 5059 1000
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 4561 1000
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 4560 1000
print frmZelmora2 Command1(111)
# exactly 100 left of the strip, and on the strip's left edge: snapping moves nothing, though
# the origin square's top is in vertical reach (the measuring then lines the second one up on
# the vertical strip at 5230)
drag frmZelmora2 Command1(111) 0 0 5060 3400
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 5160 3400
print frmZelmora2 Command1(111)
# one twip further left the left-side rule runs, sideways and then vertically
drag frmZelmora2 Command1(111) 0 0 5059 3400
print frmZelmora2 Command1(111)
# on the strip (right of its left edge, up to its right edge 5595): no sideways step, though
# the origin square's right edge is only 30 away; the vertical step still runs
drag frmZelmora2 Command1(111) 0 0 5595 3400
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 5596 3400
print frmZelmora2 Command1(111)
# far from every visible tile: the strips do not attract, the tile stays where it lands; on the
# horizontal strip's catch band only the measuring lines it up
drag frmZelmora2 Command1(111) 0 0 8000 6000
print frmZelmora2 Command1(111)
drag frmZelmora2 Command1(111) 0 0 3000 4100
print frmZelmora2 Command1(111)
# the origin square takes the focus when clicked, and losing it moves nothing
click frmZelmora2 Command1(141)
print frmZelmora2 focus
click frmZelmora2 Command7
print frmZelmora2 Command1(141)
