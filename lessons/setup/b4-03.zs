# b4-03, solve 2x+3=7: the equation laid out on the pans, each term in its region
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(1) 0 0 900 1100
drag frmZelmora5 Command1(30) 0 0 2500 600
drag frmZelmora5 Command1(31) 0 0 2950 600
drag frmZelmora5 Command1(32) 0 0 3400 600
drag frmZelmora5 Command1(33) 0 0 9220 600
drag frmZelmora5 Command1(34) 0 0 9670 600
drag frmZelmora5 Command1(35) 0 0 10120 600
drag frmZelmora5 Command1(36) 0 0 9220 1100
drag frmZelmora5 Command1(37) 0 0 9670 1100
drag frmZelmora5 Command1(38) 0 0 10120 1100
drag frmZelmora5 Command1(39) 0 0 9220 1600
