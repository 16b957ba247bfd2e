# (x+1)(x+1) built on Board 1 from the keyboard alone, from the board as it opens, in 51 key
# presses: every line that begins with "key" (tests/count_key_presses.cmake counts them and allows
# at most 60). A palette button brings a tile out with Space; an arrow or R on the button takes
# hold of that tile; Page Down ("]") jumps it to the end of the height factor, the end of the
# width factor, the first free cell of the product that it fills, then the bin, and Page Up ("[")
# goes round the other way; Enter drops it and the focus goes back to the button.
start
open frmZelmora1
# the height factor: an x tile turned upright, then a unit square above it
key frmZelmora1 tab
key frmZelmora1 space
key frmZelmora1 r
key frmZelmora1 left
key frmZelmora1 pagedown
key frmZelmora1 enter
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 pagedown
key frmZelmora1 enter
print frmZelmora1 focus
# a unit square on the width factor, and one in the product's cell that fits it
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 pagedown
key frmZelmora1 pagedown
key frmZelmora1 enter
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 pageup
key frmZelmora1 pageup
key frmZelmora1 enter
print frmZelmora1 algebra
# an x tile lying flat on the width factor, one flat and one upright in the product
key frmZelmora1 shift+tab
key frmZelmora1 shift+tab
key frmZelmora1 shift+tab
key frmZelmora1 shift+tab
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 pagedown
key frmZelmora1 pagedown
key frmZelmora1 enter
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 pageup
key frmZelmora1 pageup
key frmZelmora1 enter
key frmZelmora1 space
key frmZelmora1 r
key frmZelmora1 left
key frmZelmora1 ]
key frmZelmora1 ]
key frmZelmora1 ]
key frmZelmora1 enter
print frmZelmora1 focus
# the x² tile in the last cell
key frmZelmora1 shift+tab
key frmZelmora1 space
key frmZelmora1 left
key frmZelmora1 [
key frmZelmora1 [
key frmZelmora1 enter
print frmZelmora1 algebra
print frmZelmora1 tiles
