# b3-08, simplify (2x^2+3x-1)-(x^2-2x+4): the expression laid out, its positive terms in the upper half, its negative ones in the lower
click frmZelmora4 Command2
drag frmZelmora4 Command1(0) 0 0 1200 500
click frmZelmora4 Command2
drag frmZelmora4 Command1(1) 0 0 2700 500
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2700 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(23) 0 0 1200 2600
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 1200 6900
