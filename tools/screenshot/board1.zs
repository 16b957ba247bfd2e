# Board 1 with one tile of each kind brought out by its palette button.
start
open frmZelmora1
click frmZelmora1 Command2
click frmZelmora1 Command3
click frmZelmora1 Command4
click frmZelmora1 Command5
click frmZelmora1 Command6
click frmZelmora1 Command7
click frmZelmora1 Command8
