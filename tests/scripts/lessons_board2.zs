# Board 2's lessons, each opened from its task file and solved as a learner would: the factors on the arms, then the quadrants filled
start
open frmZelmora2
# b2-01: multiply (x)(x-1)
load frmZelmora2 @SOURCE_DIR@/lessons/b2-01.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2710
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 4810 4010
print frmZelmora2 band
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2710
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 10 10 11000 1000
drag frmZelmora2 Command1(23) 0 0 4810 2710
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-02: multiply (x+1)(x-2)
load frmZelmora2 @SOURCE_DIR@/lessons/b2-02.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4010
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5625 3610
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2360
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3610
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2360
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4460 2360
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-03: multiply (x-1)(x+2)
load frmZelmora2 @SOURCE_DIR@/lessons/b2-03.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 3610
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 5230 3260
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2010
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4810 4010
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5625 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 0 0 5625 3260
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2010
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3610
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4810 3260
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4810 2010
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-04: multiply (x-1)(x-2)
load frmZelmora2 @SOURCE_DIR@/lessons/b2-04.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2710
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 4410
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 5230 4760
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4810 4010
print frmZelmora2 band
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2710
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 10 10 11000 1000
drag frmZelmora2 Command1(23) 0 0 4810 2710
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 0 0 5625 4410
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 0 0 5625 4760
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 4410
print frmZelmora2 check
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4810 4760
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-05: multiply (x+2)(x-2)
load frmZelmora2 @SOURCE_DIR@/lessons/b2-05.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 3610
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 5230 3260
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2010
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4810 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4460 4010
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5625 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 0 0 5625 3260
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2010
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4810 3610
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(115) 0 0 4460 3610
click frmZelmora2 Command7
drag frmZelmora2 Command1(116) 0 0 4810 3260
click frmZelmora2 Command7
drag frmZelmora2 Command1(117) 0 0 4460 3260
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4810 2010
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(26) 10 10 11000 1000
drag frmZelmora2 Command1(26) 0 0 4460 2010
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-06: factor x^2-x-2
load frmZelmora2 @SOURCE_DIR@/lessons/b2-06.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4010
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5625 3610
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2360
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 3610
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2360
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 10 10 11000 1000
drag frmZelmora2 Command1(25) 0 0 4460 2360
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-07: factor x^2-1
load frmZelmora2 @SOURCE_DIR@/lessons/b2-07.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 3610
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2360
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4010
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 0 0 5625 3610
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2360
print frmZelmora2 band
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4810 3610
print frmZelmora2 check
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4810 2360
print frmZelmora2 check
print frmZelmora2 band
close frmZelmora2
open frmZelmora2
# b2-08: factor x^2-3x+2
load frmZelmora2 @SOURCE_DIR@/lessons/b2-08.zelmora
print frmZelmora2 goal
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(21) 10 10 11000 1000
drag frmZelmora2 Command1(21) 0 0 5230 2710
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5230 4410
click frmZelmora2 Command3
drag frmZelmora2 Command1(22) 0 0 5625 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(112) 0 0 4810 4010
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 4460 4010
print frmZelmora2 band
click frmZelmora2 Command2
drag frmZelmora2 Command1(0) 0 0 5625 2710
click frmZelmora2 Command3
drag frmZelmora2 Command1(23) 10 10 11000 1000
drag frmZelmora2 Command1(23) 0 0 4810 2710
click frmZelmora2 Command3
drag frmZelmora2 Command1(24) 10 10 11000 1000
drag frmZelmora2 Command1(24) 0 0 4460 2710
print frmZelmora2 band
click frmZelmora2 Command3
drag frmZelmora2 Command1(25) 0 0 5625 4410
click frmZelmora2 Command7
drag frmZelmora2 Command1(113) 0 0 4810 4410
print frmZelmora2 check
click frmZelmora2 Command7
drag frmZelmora2 Command1(114) 0 0 4460 4410
print frmZelmora2 check
print frmZelmora2 band
