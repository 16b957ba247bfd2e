# "تطبيقات" runs the guide box's default action each time it is pressed: it opens the teacher's
# guide again, and opens no window of the program's own (the guide is shown outside the forms).
start
print guide
click frmZelmora Command6
print guide
click frmZelmora Command6
print guide
print windows
print frmZelmora focus
# Enter and Space on the focused button do the same; the boards and the guide are independent.
key frmZelmora enter
print guide
click frmZelmora Command2
print windows
key frmZelmora tab
key frmZelmora tab
key frmZelmora tab
key frmZelmora tab
print frmZelmora focus
key frmZelmora space
print guide
print windows
# "خروج" pressed with the mouse, a board still open.
click frmZelmora Command4
print running
print windows
print guide
