# b4-05, solve x-3=2: the equation laid out on the pans, each term in its region
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(30) 0 0 2500 3300
drag frmZelmora5 Command1(31) 0 0 2950 3300
drag frmZelmora5 Command1(32) 0 0 3400 3300
drag frmZelmora5 Command1(33) 0 0 9220 600
drag frmZelmora5 Command1(34) 0 0 9670 600
