# What a screen reader hears on Board 3: tiles by kind, by their mark and by their half
start
open frmZelmora4
print frmZelmora4 names
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command7
drag frmZelmora4 Command1(21) 0 0 1200 700
drag frmZelmora4 Command1(22) 0 0 2000 4700
# the mark follows the tile's last pass: at Top 3850 it is positive, at 3850.5 negative
drag frmZelmora4 Command1(111) 0 0 3000 3850
print frmZelmora4 names
drag frmZelmora4 Command1(111) 0 0 3000 3850.5
print frmZelmora4 Command1(111)
print frmZelmora4 names
