# The bin and Clear on Board 4 send tiles back to their stacks, where they stay visible with their
# marks. The bin shows the full picture as soon as a drag passes over it and the empty one after a
# drop into it; Clear leaves the bin's picture alone.
start
open frmZelmora5
# An x in the left "-" thrown into the bin: home at once, still visible, still 0.
drag frmZelmora5 Command1(0) 700 200 1200 3500
print frmZelmora5 Command1(0)
press frmZelmora5 Command1(0) 700 200
move frmZelmora5 5700 2900
print frmZelmora5 Image2
up frmZelmora5 5700 2900
print frmZelmora5 Command1(0)
print frmZelmora5 Image2
print frmZelmora5 focus
# Passing over the bin and letting go on the board: the tile is dropped there, the bin stays full.
press frmZelmora5 Command1(30) 200 200
move frmZelmora5 5300 3400
move frmZelmora5 8200 4000
up frmZelmora5 8200 4000
print frmZelmora5 Command1(30)
print frmZelmora5 Image2
# A unit square straight from the stock into the bin stays on its stack.
drag frmZelmora5 Command1(31) 200 200 6000 2500
print frmZelmora5 Command1(31)
print frmZelmora5 Image2
# Fill both pans, leave one x lying unmarked on a y in the right "+", then Clear. Pressing Clear
# takes the focus from that x, which is marked 0 where it lies before it goes home with the rest.
drag frmZelmora5 Command1(1) 700 200 1200 800
drag frmZelmora5 Command1(2) 700 200 1200 3500
drag frmZelmora5 Command1(3) 700 200 7900 800
drag frmZelmora5 Command1(4) 700 200 7900 3500
drag frmZelmora5 Command1(20) 450 200 9650 2000
drag frmZelmora5 Command1(32) 200 200 2700 1800
drag frmZelmora5 Command1(33) 200 200 9000 4500
drag frmZelmora5 Command1(52) 1000 200 2500 2600
drag frmZelmora5 Command1(53) 1000 200 9000 5000
drag frmZelmora5 Command1(5) 700 200 9650 2000
print frmZelmora5 Command1(5)
press frmZelmora5 Command1(34) 200 200
move frmZelmora5 5700 2900
move frmZelmora5 3000 4600
up frmZelmora5 3000 4600
print frmZelmora5 Image2
click frmZelmora5 Command15
print frmZelmora5 focus
print frmZelmora5 Image2
print frmZelmora5 tiles
print beeps
