# Board 3 with a task its tiles answer: (2x + 3) - (x + 2) simplified to x + 1.
start
open frmZelmora4
goal frmZelmora4 simplify (2x+3)-(x+2)
prompt frmZelmora4 اكتب الناتج بأقل عدد من القطع
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 100 100 2100 3400
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 100 100 4000 3400
