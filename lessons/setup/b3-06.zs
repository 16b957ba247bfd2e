# b3-06, simplify 3x-5+x+2-4x: the expression laid out, its positive terms in the upper half, its negative ones in the lower
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2700 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(23) 0 0 1200 2600
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 1200 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 1700 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(110) 0 0 2200 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(113) 0 0 2700 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(114) 0 0 3200 6900
click frmZelmora4 Command3
drag frmZelmora4 Command1(24) 0 0 5000 2100
click frmZelmora4 Command7
drag frmZelmora4 Command1(115) 0 0 5000 3200
click frmZelmora4 Command7
drag frmZelmora4 Command1(116) 0 0 5500 3200
click frmZelmora4 Command3
drag frmZelmora4 Command1(25) 0 0 5000 5300
click frmZelmora4 Command3
drag frmZelmora4 Command1(26) 0 0 6500 5300
click frmZelmora4 Command3
drag frmZelmora4 Command1(27) 0 0 5000 5800
click frmZelmora4 Command3
drag frmZelmora4 Command1(28) 0 0 6500 5800
