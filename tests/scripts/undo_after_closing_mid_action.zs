# A window closed while a press holds a tile, or while the keyboard drags one, ends that action:
# undo, redo and opening files work on in every window, those opened later included
start
open frmZelmora1
click frmZelmora1 Command7
down frmZelmora1 7900 1400
close frmZelmora1
open frmZelmora2
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 3000 4000
print frmZelmora2 Command1(111)
undo frmZelmora2
print frmZelmora2 Command1(111)
redo frmZelmora2
print frmZelmora2 Command1(111)
save frmZelmora2 board2.zelmora
load frmZelmora2 board2.zelmora
# the first arrow of a keyboard drag begins an action that only Enter or Escape would end
open frmZelmora1
click frmZelmora1 Command7
click frmZelmora1 Command1(111)
key frmZelmora1 left
close frmZelmora1
drag frmZelmora2 Command1(111) 0 0 5000 4000
load frmZelmora2 board2.zelmora
print frmZelmora2 Command1(111)
undo frmZelmora2
print frmZelmora2 Command1(111)
print windows
