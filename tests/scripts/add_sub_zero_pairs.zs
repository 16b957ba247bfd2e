# Zero pairs: a tile dropped on a like tile whose mark differs; both vanish with one beep
start
open frmZelmora4
click frmZelmora4 Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 3400
drag frmZelmora4 Command1(22) 100 100 5100 4300
print frmZelmora4 tiles
print beeps
# from the positive half onto the negative half: both go home hidden; the target keeps mark 0,
# the dragged tile's pass at its home marks it 1 and leaves it there
drag frmZelmora4 Command1(21) 100 100 5100 4195
print beeps
print frmZelmora4 tiles
print frmZelmora4 Command1(21)
print frmZelmora4 Command1(22)
print frmZelmora4 focus
# the palette shows both again at their homes, each with the mark of its last pass
click frmZelmora4 Command3
click frmZelmora4 Command3
print frmZelmora4 tiles
# so tile 22, still marked 0, dropped at once on a like tile of the positive half makes a pair
drag frmZelmora4 Command1(21) 100 100 2100 2100
drag frmZelmora4 Command1(22) 100 100 2200 2200
print beeps
print frmZelmora4 Command1(21)
print frmZelmora4 Command1(22)
# unit squares just shown by the palette (mark 1): no pair in the positive half
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 3000 2000
drag frmZelmora4 Command1(110) 0 0 6000 5000
drag frmZelmora4 Command1(111) 100 100 3100 2100
print beeps
print frmZelmora4 Command1(111)
print frmZelmora4 Command1(112)
# two drops: square 111 dropped on a y tile of the negative half is a plain move, and its pass
# marks it 0 there; dropped next on square 112 of the positive half, the two make a pair
click frmZelmora4 Command5
drag frmZelmora4 Command1(51) 0 0 1000 6000
drag frmZelmora4 Command1(111) 100 100 1100 6100
print frmZelmora4 Command1(111)
print beeps
drag frmZelmora4 Command1(111) 100 100 3100 2100
print beeps
print frmZelmora4 Command1(111)
print frmZelmora4 Command1(112)
# a like tile of the same half makes no pair: the dropped square lies over its target
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 4000 7000
drag frmZelmora4 Command1(111) 100 100 6100 5100
print beeps
print frmZelmora4 Command1(111)
print frmZelmora4 Command1(110)
# a tile of another kind in the other half: a plain move
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 3000 1000
drag frmZelmora4 Command1(51) 100 100 3100 1100
print beeps
print frmZelmora4 tiles
# the bar is the hindmost button: released where tile 21 lies across it, tile 22 is dropped on
# tile 21, not on the bar, and the two make a pair
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 5000 5000
drag frmZelmora4 Command1(21) 0 0 3000 3500
drag frmZelmora4 Command1(22) 100 100 3100 3850
print beeps
print frmZelmora4 Command1(21)
print frmZelmora4 Command1(22)
