# Board 1's lessons, each opened from its task file and solved as a learner would: the factors on the sides, then the rectangle filled
start
open frmZelmora1
# b1-01: multiply (x)(x+1)
load frmZelmora1 @SOURCE_DIR@/lessons/b1-01.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5960
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 2200 7260
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5960
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 10 10 11000 500
drag frmZelmora1 Command1(23) 0 0 2200 5960
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-02: multiply (x+1)(x+2)
load frmZelmora1 @SOURCE_DIR@/lessons/b1-02.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2700 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 2700 6760
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2200 5460
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2700 5460
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-03: multiply (x+2)(x+3)
load frmZelmora1 @SOURCE_DIR@/lessons/b1-03.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 400 6260
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 2700 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 3200 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(115) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(116) 0 0 2700 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(117) 0 0 3200 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 0 0 900 6260
click frmZelmora1 Command7
drag frmZelmora1 Command1(118) 0 0 2200 6260
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(119) 0 0 2700 6260
click frmZelmora1 Command7
drag frmZelmora1 Command1(120) 0 0 3200 6260
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2200 4960
click frmZelmora1 Command3
drag frmZelmora1 Command1(26) 10 10 11000 500
drag frmZelmora1 Command1(26) 0 0 2700 4960
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(27) 10 10 11000 500
drag frmZelmora1 Command1(27) 0 0 3200 4960
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-04: multiply (2x)(x+1)
load frmZelmora1 @SOURCE_DIR@/lessons/b1-04.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5960
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 10 10 11000 500
drag frmZelmora1 Command1(22) 0 0 400 4660
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 2200 7260
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5960
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2200 5960
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(1) 0 0 900 4660
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2200 4660
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-05: multiply (2x+1)(x+2)
load frmZelmora1 @SOURCE_DIR@/lessons/b1-05.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 10 10 11000 500
drag frmZelmora1 Command1(22) 0 0 400 4160
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2700 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 2700 6760
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2200 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(26) 10 10 11000 500
drag frmZelmora1 Command1(26) 0 0 2700 5460
click frmZelmora1 Command2
drag frmZelmora1 Command1(1) 0 0 900 4160
click frmZelmora1 Command3
drag frmZelmora1 Command1(27) 10 10 11000 500
drag frmZelmora1 Command1(27) 0 0 2200 4160
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(28) 10 10 11000 500
drag frmZelmora1 Command1(28) 0 0 2700 4160
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-06: factor x^2+3x+2
load frmZelmora1 @SOURCE_DIR@/lessons/b1-06.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2700 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 2700 6760
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2200 5460
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2700 5460
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-07: factor x^2+4x+3
load frmZelmora1 @SOURCE_DIR@/lessons/b1-07.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 2200 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2700 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(113) 0 0 3200 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(114) 0 0 2200 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(115) 0 0 2700 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(116) 0 0 3200 6760
print frmZelmora1 band
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 10 10 11000 500
drag frmZelmora1 Command1(24) 0 0 2200 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2700 5460
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(26) 10 10 11000 500
drag frmZelmora1 Command1(26) 0 0 3200 5460
print frmZelmora1 check
print frmZelmora1 band
close frmZelmora1
open frmZelmora1
# b1-08: factor 2x^2+3x+1
load frmZelmora1 @SOURCE_DIR@/lessons/b1-08.zelmora
print frmZelmora1 goal
print frmZelmora1 band
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 10 10 11000 500
drag frmZelmora1 Command1(21) 0 0 400 5460
click frmZelmora1 Command3
drag frmZelmora1 Command1(22) 10 10 11000 500
drag frmZelmora1 Command1(22) 0 0 400 4160
click frmZelmora1 Command3
drag frmZelmora1 Command1(23) 0 0 900 7260
click frmZelmora1 Command7
drag frmZelmora1 Command1(112) 0 0 2200 7260
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(24) 0 0 900 6760
click frmZelmora1 Command7
drag frmZelmora1 Command1(110) 0 0 2200 6760
click frmZelmora1 Command2
drag frmZelmora1 Command1(0) 0 0 900 5460
print frmZelmora1 band
click frmZelmora1 Command3
drag frmZelmora1 Command1(25) 10 10 11000 500
drag frmZelmora1 Command1(25) 0 0 2200 5460
click frmZelmora1 Command2
drag frmZelmora1 Command1(1) 0 0 900 4160
print frmZelmora1 check
click frmZelmora1 Command3
drag frmZelmora1 Command1(26) 10 10 11000 500
drag frmZelmora1 Command1(26) 0 0 2200 4160
print frmZelmora1 check
print frmZelmora1 band
