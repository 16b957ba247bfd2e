# The program starts on the menu alone, with the focus on Command1: Label1 comes first in the tab
# order but cannot take the focus. Tab walks the buttons by tab index (so "خروج", Command4, comes
# between Command3 and Command5) and wraps round; Shift+Tab walks back.
start
print windows
print frmZelmora focus
print frmZelmora Label1
print frmZelmora Command1
print frmZelmora Command2
print frmZelmora Command3
print frmZelmora Command5
print frmZelmora Command6
print frmZelmora Command4
print frmZelmora OLE1
key frmZelmora tab
print frmZelmora focus
key frmZelmora tab
print frmZelmora focus
key frmZelmora tab
print frmZelmora focus
key frmZelmora tab
print frmZelmora focus
key frmZelmora tab
print frmZelmora focus
key frmZelmora tab
print frmZelmora focus
key frmZelmora shift+tab
print frmZelmora focus
key frmZelmora shift+tab
print frmZelmora focus
# A press on the title or on the guide box moves no focus.
click frmZelmora Label1
click frmZelmora OLE1
print frmZelmora focus
# A single click on the guide box opens nothing; nor does a press on the bare window.
print guide
down frmZelmora 100 100
up frmZelmora 100 100
print windows
print guide
print beeps
print running
