# Board 4 with 2x + 3 = x + 5 on the balance for the teacher's guide: two x and three units in
# the left pan's positive region, one x and five units in the right pan's positive region.
start
open frmZelmora5
drag frmZelmora5 Command1(0) 0 0 900 1500
drag frmZelmora5 Command1(1) 0 0 900 2100
drag frmZelmora5 Command1(30) 0 0 2400 900
drag frmZelmora5 Command1(31) 0 0 2900 900
drag frmZelmora5 Command1(32) 0 0 3400 900
drag frmZelmora5 Command1(2) 0 0 7600 900
drag frmZelmora5 Command1(33) 0 0 7400 1600
drag frmZelmora5 Command1(34) 0 0 7900 1600
drag frmZelmora5 Command1(35) 0 0 8400 1600
drag frmZelmora5 Command1(36) 0 0 8900 1600
drag frmZelmora5 Command1(37) 0 0 9400 1600
