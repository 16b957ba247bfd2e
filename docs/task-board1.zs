# Board 1 with a task its tiles answer: the square of side x + 1, with a question for the learner.
start
open frmZelmora1
goal frmZelmora1 multiply (x+1)(x+1)
prompt frmZelmora1 كم مساحة المربع الذي ضلعه س + 1؟
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 6000 2000
drag frmZelmora1 Command1(22) 10 10 11000 500
drag frmZelmora1 Command1(22) 0 0 400 5460
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 0 0 6000 2000
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2200 5460
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2200 6760
