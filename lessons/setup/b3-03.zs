# b3-03, simplify (x+3)+(x-1): the expression laid out, its positive terms in the upper half, its negative ones in the lower
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 2100
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 1200 3200
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 1700 3200
click frmZelmora4 Command7
drag frmZelmora4 Command1(110) 0 0 2200 3200
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 5000 2100
click frmZelmora4 Command7
drag frmZelmora4 Command1(113) 0 0 5000 6900
