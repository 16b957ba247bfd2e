# The shared drag and drop on Board 2: the grab point lands under the pointer, the focus goes to
# "تدوير القطعة", buttons other than tiles ignore a drop, the zone above that button turns the tile
# about its corner, the bin shows full while passed over and takes the tile home, a right-button
# press drags as well, and Back ends it all.
start
open frmZelmora2
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 250 100 3000 2000
print frmZelmora2 Command1(21)
print frmZelmora2 focus
# over "تدوير القطعة", over a palette button, outside the window: nothing happens
drag frmZelmora2 Command1(21) 250 100 11200 2300
drag frmZelmora2 Command1(21) 250 100 11200 3100
drag frmZelmora2 Command1(21) 250 100 12000 3000
print frmZelmora2 Command1(21)
# the rotation zone above the button: a quarter turn in place, twice back again
drag frmZelmora2 Command1(21) 250 100 11000 1000
print frmZelmora2 Command1(21)
print frmZelmora2 focus
drag frmZelmora2 Command1(21) 100 100 11000 1000
print frmZelmora2 Command1(21)
# the right button drags too, and the drop may be made over the tile itself
press frmZelmora2 Command1(21) 300 200 right
move frmZelmora2 3100 2200
up frmZelmora2 3100 2200
print frmZelmora2 Command1(21)
# passing over the bin leaves it full until the next drop into it
press frmZelmora2 Command1(21) 10 10
move frmZelmora2 11200 6600
move frmZelmora2 8000 6600
up frmZelmora2 8000 6600
print frmZelmora2 Image2
print frmZelmora2 Command1(21)
drag frmZelmora2 Command1(21) 10 10 11200 6600
print frmZelmora2 Image2
print frmZelmora2 Command1(21)
# pressing the origin square starts no drag
click frmZelmora2 Command3
drag frmZelmora2 Command1(141) 10 10 8000 1000
print frmZelmora2 Command1(141)
print frmZelmora2 Command1(21)
# Back, and a fresh board on the next opening
click frmZelmora2 Command10
open frmZelmora2
print frmZelmora2 tiles
print frmZelmora2 Image2
print frmZelmora2 Shape3
