# The algebra of Board 4: each pan counts its white region + and its grey region -
start
open frmZelmora5
print frmZelmora5 algebra
# the guide's equation 2x + 3 = x + 5
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
print frmZelmora5 algebra
# an x in each grey region takes x from both sides; a five-strip in the right grey region
# cancels the right side to 0
drag frmZelmora5 Command1(3) 0 0 1000 4000
print frmZelmora5 algebra
drag frmZelmora5 Command1(4) 0 0 8000 4000
drag frmZelmora5 Command1(50) 0 0 7500 4600
print frmZelmora5 algebra
# a y in the right white region
drag frmZelmora5 Command1(20) 0 0 8500 2300
# corners on a region's edge count nowhere: Left 300, Top 2955; Top 2954.5 lies inside
drag frmZelmora5 Command1(38) 0 0 300 1500
drag frmZelmora5 Command1(39) 0 0 1500 2955
drag frmZelmora5 Command1(40) 0 0 2000 2954.5
print frmZelmora5 Command1(38)
print frmZelmora5 Command1(39)
print frmZelmora5 Command1(40)
print frmZelmora5 algebra
# the band under the board says the same, a word before each part
print frmZelmora5 band
