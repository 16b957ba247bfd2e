# "خروج" ends the program at once from any state: every board closes with its tiles out, no
# question is asked and nothing more runs.
start
click frmZelmora Command1
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 250 100 3000 4000
click frmZelmora Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 4300
click frmZelmora Command5
drag frmZelmora5 Command1(1) 700 200 1700 3800
# A tile on Board 4 is held in the middle of a drag when the menu is reached by the keyboard.
press frmZelmora5 Command1(40) 10 10
move frmZelmora5 1000 1200
print windows
print frmZelmora focus
key frmZelmora shift+tab
print frmZelmora focus
key frmZelmora enter
print running
print windows
print beeps
print guide
