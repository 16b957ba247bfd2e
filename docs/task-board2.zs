# Board 2 with a task its tiles answer: (x - 2)(x + 1), the quadrants giving the signs.
start
open frmZelmora2
goal frmZelmora2 multiply (x-2)(x+1)
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5300 3600
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5300 2300
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5700 4000
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4050
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4050
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5650 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5650 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2300
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4460 2300
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3600
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 3600
