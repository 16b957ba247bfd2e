# Tile on tile on Board 4. The dragged tile moves so that its grab point lies under the pointer;
# when the target is a like tile (same caption), another member, and carries the other mark, the
# board beeps and sends both home to their stack, still visible, marks as they were. Nothing here
# marks a tile: the dragged tile carries the mark it had before the drag. An x is 1385 x 400 and is
# grabbed at (700, 200) throughout; a y is 900 x 400.
start
open frmZelmora5
# Left "+" on left "-" (1 on 0): a zero pair in one pan.
drag frmZelmora5 Command1(0) 700 200 1200 800
drag frmZelmora5 Command1(1) 700 200 1200 3500
drag frmZelmora5 Command1(0) 700 200 1200 3500
print frmZelmora5 Command1(0)
print frmZelmora5 Command1(1)
print beeps
# Right "+" on right "-" (0 on 1).
drag frmZelmora5 Command1(2) 700 200 7900 800
drag frmZelmora5 Command1(3) 700 200 7900 3500
drag frmZelmora5 Command1(2) 700 200 7900 3500
print frmZelmora5 Command1(2)
print frmZelmora5 Command1(3)
print beeps
# Left "+" on right "+" (1 on 0): the same term taken off both sides.
drag frmZelmora5 Command1(4) 700 200 1200 1400
drag frmZelmora5 Command1(5) 700 200 7900 1400
drag frmZelmora5 Command1(4) 700 200 7900 1400
print frmZelmora5 Command1(4)
print frmZelmora5 Command1(5)
print beeps
# Left "-" on right "-" (0 on 1).
drag frmZelmora5 Command1(6) 700 200 1200 4100
drag frmZelmora5 Command1(7) 700 200 7900 4100
drag frmZelmora5 Command1(6) 700 200 7900 4100
print frmZelmora5 Command1(6)
print frmZelmora5 Command1(7)
print beeps
# Left "+" on right "-" (1 on 1): no cancel; the dragged x lies on the target.
drag frmZelmora5 Command1(8) 700 200 1200 2000
drag frmZelmora5 Command1(9) 700 200 7900 4700
drag frmZelmora5 Command1(8) 700 200 7900 4700
print frmZelmora5 Command1(8)
print frmZelmora5 Command1(9)
print beeps
# Left "-" on right "+" (0 on 0): no cancel.
drag frmZelmora5 Command1(10) 700 200 1200 4700
drag frmZelmora5 Command1(11) 700 200 7900 2000
drag frmZelmora5 Command1(10) 700 200 7900 2000
print frmZelmora5 Command1(10)
print frmZelmora5 Command1(11)
print beeps
# Within one region the marks are equal: no cancel.
drag frmZelmora5 Command1(12) 700 200 3200 3500
drag frmZelmora5 Command1(13) 700 200 3200 4100
drag frmZelmora5 Command1(12) 700 200 3200 4100
print frmZelmora5 Command1(12)
print frmZelmora5 Command1(13)
print beeps
# Five-strips cancel like x tiles: left "+" on right "+".
drag frmZelmora5 Command1(50) 1000 200 2500 2600
drag frmZelmora5 Command1(51) 1000 200 9000 2600
drag frmZelmora5 Command1(50) 1000 200 9000 2600
print frmZelmora5 Command1(50)
print frmZelmora5 Command1(51)
print beeps
# An x from the stock has never been marked and carries 1, as in the left "+": it cancels with an
# x in the left "-" and with one in the right "+", not with one in the left "+".
drag frmZelmora5 Command1(14) 700 200 3200 4700
drag frmZelmora5 Command1(19) 700 200 3200 4700
print frmZelmora5 Command1(14)
print frmZelmora5 Command1(19)
print beeps
drag frmZelmora5 Command1(15) 700 200 9900 800
drag frmZelmora5 Command1(18) 700 200 9900 800
print frmZelmora5 Command1(15)
print frmZelmora5 Command1(18)
print beeps
drag frmZelmora5 Command1(16) 700 200 3200 800
drag frmZelmora5 Command1(17) 700 200 3200 800
print frmZelmora5 Command1(16)
print frmZelmora5 Command1(17)
print beeps
# An x marked 1 dropped on a y in the right "+" lies over it with no sound, and keeps its 1: taken
# straight on to an x in the left "+" (the x 17 lying on 16), nothing cancels.
drag frmZelmora5 Command1(22) 450 200 9650 2000
drag frmZelmora5 Command1(19) 700 200 1200 2600
print frmZelmora5 Command1(19)
drag frmZelmora5 Command1(19) 700 200 9650 2000
print frmZelmora5 Command1(19)
print frmZelmora5 Command1(22)
drag frmZelmora5 Command1(19) 700 200 3200 800
print frmZelmora5 Command1(19)
print beeps
# A drop on the tile itself moves it by the pointer's travel and marks nothing, even when its
# corner crosses into another region; it is marked once it loses the focus. The tile pressed last
# stands first in the tab order, the one pressed before it second.
drag frmZelmora5 Command1(21) 450 200 9650 3330
print frmZelmora5 Command1(21)
drag frmZelmora5 Command1(21) 450 200 9650 3140
print frmZelmora5 Command1(21)
print frmZelmora5 focus
key frmZelmora5 tab
print frmZelmora5 Command1(21)
print frmZelmora5 focus
key frmZelmora5 shift+tab
print frmZelmora5 focus
print beeps
