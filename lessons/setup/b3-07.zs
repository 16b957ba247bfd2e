# b3-07, simplify (3x+2)-(x+1): the expression laid out, its positive terms in the upper half, its negative ones in the lower
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2700 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(23) 0 0 1200 2600
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 1200 3200
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 1700 3200
