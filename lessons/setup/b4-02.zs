# b4-02, solve 2x=6: the equation laid out on the pans, each term in its region
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(1) 0 0 900 1100
drag frmZelmora5 Command1(30) 0 0 9220 600
drag frmZelmora5 Command1(31) 0 0 9670 600
drag frmZelmora5 Command1(32) 0 0 10120 600
drag frmZelmora5 Command1(33) 0 0 9220 1100
drag frmZelmora5 Command1(34) 0 0 9670 1100
drag frmZelmora5 Command1(35) 0 0 10120 1100
