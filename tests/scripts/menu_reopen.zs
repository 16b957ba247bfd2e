# Back (or the close box) discards a board with everything done on it; the next press of its menu
# button loads it afresh, exactly as at its first opening: tiles at their homes, hidden again, with
# their first marks, and the focus where the board first put it.
start
# Board 1: a tile brought out, turned in the rotation zone, another one left on the mat.
click frmZelmora Command1
print frmZelmora1 tiles
print frmZelmora1 focus
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 2000 3000
drag frmZelmora1 Command1(21) 40 40 11000 500
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 400 2000
print frmZelmora1 tiles
print frmZelmora1 Shape3
print frmZelmora1 Text1
click frmZelmora1 Command10
print windows
click frmZelmora Command1
print frmZelmora1 tiles
print frmZelmora1 Command1(21)
print frmZelmora1 Command1(22)
print frmZelmora1 Shape3
print frmZelmora1 Text1
print frmZelmora1 focus
# Board 3: a tile placed in the negative half takes the flat mark.
click frmZelmora Command3
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 4300
print frmZelmora4 tiles
close frmZelmora4
click frmZelmora Command3
print frmZelmora4 tiles
print frmZelmora4 Command1(21)
print frmZelmora4 focus
# Board 4: stock tiles moved onto the pans and marked, one of them flat.
click frmZelmora Command5
print frmZelmora5 Command1(1)
print frmZelmora5 Command1(40)
drag frmZelmora5 Command1(1) 700 200 1700 3800
drag frmZelmora5 Command1(40) 10 10 1000 1200
print frmZelmora5 Command1(1)
print frmZelmora5 Command1(40)
click frmZelmora5 Command10
click frmZelmora Command5
print frmZelmora5 Command1(1)
print frmZelmora5 Command1(40)
print frmZelmora5 focus
print windows
