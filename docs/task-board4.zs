# Board 4 with a task its tiles answer: 2x + 3 = 7 solved step by step, x = 2.
start
open frmZelmora5
goal frmZelmora5 solve 2x+3=7
drag frmZelmora5 Command1(0) 0 0 900 1500
drag frmZelmora5 Command1(1) 0 0 900 2100
drag frmZelmora5 Command1(30) 0 0 2400 900
drag frmZelmora5 Command1(31) 0 0 2900 900
drag frmZelmora5 Command1(32) 0 0 3400 900
drag frmZelmora5 Command1(33) 0 0 7400 1000
drag frmZelmora5 Command1(34) 0 0 7900 1000
drag frmZelmora5 Command1(35) 0 0 8400 1000
drag frmZelmora5 Command1(36) 0 0 8900 1000
drag frmZelmora5 Command1(37) 0 0 9400 1000
drag frmZelmora5 Command1(38) 0 0 9900 1000
drag frmZelmora5 Command1(39) 0 0 7400 1600
drag frmZelmora5 Command1(30) 200 200 6000 2500
drag frmZelmora5 Command1(31) 200 200 6000 2500
drag frmZelmora5 Command1(32) 200 200 6000 2500
drag frmZelmora5 Command1(33) 200 200 6000 2500
drag frmZelmora5 Command1(34) 200 200 6000 2500
drag frmZelmora5 Command1(35) 200 200 6000 2500
drag frmZelmora5 Command1(1) 700 200 5700 2900
drag frmZelmora5 Command1(36) 200 200 6000 2500
drag frmZelmora5 Command1(37) 200 200 6000 2500
