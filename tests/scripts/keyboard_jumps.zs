# Page Down and Page Up during a keyboard drag jump the held tile to each board's places, and the
# drop with Enter then follows the board's rules as any drop does. Outside a keyboard drag the two
# keys do nothing.
start
open frmZelmora1
# Board 1: a unit square to the end of the height factor (Page Up to the bin, Page Down round to
# the first place), then another on it; the focus goes back to the palette button
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 tab
key frmZelmora1 space
key frmZelmora1 pagedown
print frmZelmora1 tiles
key frmZelmora1 up
key frmZelmora1 pageup
key frmZelmora1 pagedown
key frmZelmora1 enter
print frmZelmora1 focus
key frmZelmora1 space
key frmZelmora1 up
key frmZelmora1 pagedown
key frmZelmora1 enter
# the width factor, the product's free cell, then the bin, which Page Up reaches first
key frmZelmora1 space
key frmZelmora1 up
key frmZelmora1 ]
key frmZelmora1 ]
key frmZelmora1 enter
key frmZelmora1 space
key frmZelmora1 up
key frmZelmora1 ]
key frmZelmora1 ]
key frmZelmora1 ]
key frmZelmora1 enter
key frmZelmora1 space
key frmZelmora1 up
key frmZelmora1 pageup
key frmZelmora1 enter
print frmZelmora1 tiles
print frmZelmora1 algebra
close frmZelmora1
# Board 2: unit squares to the upper, right, lower and left arm, then into the upper right
# quadrant's cell, the lower right one's (the upper right is full) and, with Page Up from the bin,
# the upper left one's
open frmZelmora2
key frmZelmora2 tab
key frmZelmora2 tab
key frmZelmora2 tab
key frmZelmora2 tab
key frmZelmora2 tab
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 enter
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 enter
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 enter
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 enter
print frmZelmora2 algebra
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 enter
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 pagedown
key frmZelmora2 enter
key frmZelmora2 space
key frmZelmora2 up
key frmZelmora2 pageup
key frmZelmora2 pageup
key frmZelmora2 enter
print frmZelmora2 tiles
print frmZelmora2 algebra
close frmZelmora2
# Board 3: x² tiles into free room in the positive half (twice), in the negative half, the bin
open frmZelmora4
key frmZelmora4 tab
key frmZelmora4 tab
key frmZelmora4 space
key frmZelmora4 up
key frmZelmora4 pagedown
key frmZelmora4 enter
key frmZelmora4 space
key frmZelmora4 up
key frmZelmora4 pagedown
key frmZelmora4 enter
key frmZelmora4 space
key frmZelmora4 up
key frmZelmora4 pagedown
key frmZelmora4 pagedown
key frmZelmora4 enter
key frmZelmora4 space
key frmZelmora4 up
key frmZelmora4 pageup
key frmZelmora4 enter
print frmZelmora4 tiles
print frmZelmora4 algebra
close frmZelmora4
# Board 4: free room in each region of the left pan, then of the right pan, the bin; the board
# has no palette, and the focus stays on the tile dropped
open frmZelmora5
drag frmZelmora5 Command1(30) 200 200 5600 4040
print frmZelmora5 focus
key frmZelmora5 pagedown
key frmZelmora5 up
key frmZelmora5 pagedown
key frmZelmora5 enter
key frmZelmora5 tab
print frmZelmora5 focus
key frmZelmora5 up
key frmZelmora5 pagedown
key frmZelmora5 pagedown
key frmZelmora5 pagedown
key frmZelmora5 enter
print frmZelmora5 tiles
print frmZelmora5 algebra
