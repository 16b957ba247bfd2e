# Board 3's lessons, each opened from its task file and solved as a learner would: the tiles laid out, then the zero pairs taken off
start
open frmZelmora4
# b3-01: simplify 2x+3
load frmZelmora4 @SOURCE_DIR@/lessons/b3-01.zelmora
print frmZelmora4 goal
print frmZelmora4 band
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2700 2100
print frmZelmora4 band
click frmZelmora4 Command7
drag frmZelmora4 Command1(111) 0 0 1200 3200
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 1700 3200
click frmZelmora4 Command7
print frmZelmora4 check
drag frmZelmora4 Command1(110) 0 0 2200 3200
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-02: simplify x^2-2x+1
load frmZelmora4 @SOURCE_DIR@/lessons/b3-02.zelmora
print frmZelmora4 goal
print frmZelmora4 band
click frmZelmora4 Command2
drag frmZelmora4 Command1(0) 0 0 1200 500
click frmZelmora4 Command3
drag frmZelmora4 Command1(21) 0 0 1200 5300
print frmZelmora4 band
click frmZelmora4 Command3
drag frmZelmora4 Command1(22) 0 0 2700 5300
click frmZelmora4 Command7
print frmZelmora4 check
drag frmZelmora4 Command1(111) 0 0 1200 3200
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-03: simplify (x+3)+(x-1)
load frmZelmora4 @SOURCE_DIR@/lessons/b3-03.zelmora
print frmZelmora4 goal
print frmZelmora4 band
print frmZelmora4 check
drag frmZelmora4 Command1(113) 100 100 1300 3300
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-04: simplify (3x+2)+(-x-2)
load frmZelmora4 @SOURCE_DIR@/lessons/b3-04.zelmora
print frmZelmora4 goal
print frmZelmora4 band
drag frmZelmora4 Command1(24) 100 100 1300 2200
print frmZelmora4 band
drag frmZelmora4 Command1(110) 100 100 1300 3300
print frmZelmora4 check
drag frmZelmora4 Command1(113) 100 100 1800 3300
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-05: simplify (2x^2+3x-1)+(x^2-2x+4)
load frmZelmora4 @SOURCE_DIR@/lessons/b3-05.zelmora
print frmZelmora4 goal
print frmZelmora4 band
drag frmZelmora4 Command1(24) 100 100 1300 2200
print frmZelmora4 band
drag frmZelmora4 Command1(25) 100 100 2800 2200
print frmZelmora4 check
drag frmZelmora4 Command1(111) 100 100 5100 3300
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-06: simplify 3x-5+x+2-4x
load frmZelmora4 @SOURCE_DIR@/lessons/b3-06.zelmora
print frmZelmora4 goal
print frmZelmora4 band
drag frmZelmora4 Command1(25) 100 100 1300 2200
print frmZelmora4 band
drag frmZelmora4 Command1(26) 100 100 2800 2200
drag frmZelmora4 Command1(27) 100 100 1300 2700
drag frmZelmora4 Command1(28) 100 100 5100 2200
drag frmZelmora4 Command1(111) 100 100 5100 3300
print frmZelmora4 check
drag frmZelmora4 Command1(112) 100 100 5600 3300
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-07: simplify (3x+2)-(x+1)
load frmZelmora4 @SOURCE_DIR@/lessons/b3-07.zelmora
print frmZelmora4 goal
print frmZelmora4 band
click frmZelmora4 Command3
drag frmZelmora4 Command1(24) 0 0 5000 5300
click frmZelmora4 Command7
drag frmZelmora4 Command1(110) 0 0 5000 6900
print frmZelmora4 band
drag frmZelmora4 Command1(24) 100 100 1300 2200
print frmZelmora4 check
drag frmZelmora4 Command1(110) 100 100 1300 3300
print frmZelmora4 check
print frmZelmora4 band
close frmZelmora4
open frmZelmora4
# b3-08: simplify (2x^2+3x-1)-(x^2-2x+4)
load frmZelmora4 @SOURCE_DIR@/lessons/b3-08.zelmora
print frmZelmora4 goal
print frmZelmora4 band
click frmZelmora4 Command2
drag frmZelmora4 Command1(2) 0 0 5000 4300
click frmZelmora4 Command3
drag frmZelmora4 Command1(24) 0 0 5000 2100
click frmZelmora4 Command3
drag frmZelmora4 Command1(25) 0 0 6500 2100
click frmZelmora4 Command7
drag frmZelmora4 Command1(112) 0 0 5000 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(110) 0 0 5500 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(113) 0 0 6000 6900
click frmZelmora4 Command7
drag frmZelmora4 Command1(114) 0 0 6500 6900
print frmZelmora4 band
print frmZelmora4 check
drag frmZelmora4 Command1(2) 100 100 1300 600
print frmZelmora4 check
print frmZelmora4 band
