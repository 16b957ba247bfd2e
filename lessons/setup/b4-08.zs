# b4-08, solve 2x+1=x-3: the equation laid out on the pans, each term in its region
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(1) 0 0 900 1100
drag frmZelmora5 Command1(30) 0 0 2500 600
drag frmZelmora5 Command1(2) 0 0 7620 600
drag frmZelmora5 Command1(31) 0 0 9220 3300
drag frmZelmora5 Command1(32) 0 0 9670 3300
drag frmZelmora5 Command1(33) 0 0 10120 3300
