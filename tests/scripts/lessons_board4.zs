# Board 4's lessons, each opened from its task file and solved as a learner would: the same taken from both pans, zero pairs taken off, the rest shared out
start
open frmZelmora5
# b4-01: solve x+2=5
load frmZelmora5 @SOURCE_DIR@/lessons/b4-01.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(30) 0 0 2500 600
drag frmZelmora5 Command1(31) 0 0 2950 600
drag frmZelmora5 Command1(32) 0 0 9220 600
drag frmZelmora5 Command1(33) 0 0 9670 600
drag frmZelmora5 Command1(34) 0 0 10120 600
drag frmZelmora5 Command1(35) 0 0 9220 1100
drag frmZelmora5 Command1(36) 0 0 9670 1100
print frmZelmora5 band
drag frmZelmora5 Command1(36) 200 200 3150 800
print frmZelmora5 band
print frmZelmora5 check
drag frmZelmora5 Command1(35) 200 200 2700 800
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-02: solve 2x=6
load frmZelmora5 @SOURCE_DIR@/lessons/b4-02.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(1) 200 200 5700 2900
print frmZelmora5 band
drag frmZelmora5 Command1(35) 200 200 5700 2900
drag frmZelmora5 Command1(34) 200 200 5700 2900
print frmZelmora5 band
print frmZelmora5 check
drag frmZelmora5 Command1(33) 200 200 5700 2900
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-03: solve 2x+3=7
load frmZelmora5 @SOURCE_DIR@/lessons/b4-03.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(39) 200 200 3600 800
print frmZelmora5 band
drag frmZelmora5 Command1(38) 200 200 3150 800
drag frmZelmora5 Command1(37) 200 200 2700 800
drag frmZelmora5 Command1(1) 200 200 5700 2900
print frmZelmora5 band
drag frmZelmora5 Command1(36) 200 200 5700 2900
print frmZelmora5 check
drag frmZelmora5 Command1(35) 200 200 5700 2900
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-04: solve 2x+3=x+5
load frmZelmora5 @SOURCE_DIR@/lessons/b4-04.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(2) 200 200 1100 1300
print frmZelmora5 band
drag frmZelmora5 Command1(37) 200 200 3600 800
drag frmZelmora5 Command1(36) 200 200 3150 800
print frmZelmora5 band
print frmZelmora5 check
drag frmZelmora5 Command1(35) 200 200 2700 800
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-05: solve x-3=2
load frmZelmora5 @SOURCE_DIR@/lessons/b4-05.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(35) 0 0 10120 600
print frmZelmora5 band
drag frmZelmora5 Command1(36) 0 0 2500 600
drag frmZelmora5 Command1(37) 0 0 9220 1100
drag frmZelmora5 Command1(38) 0 0 2950 600
drag frmZelmora5 Command1(39) 0 0 9670 1100
print frmZelmora5 band
drag frmZelmora5 Command1(40) 0 0 3400 600
drag frmZelmora5 Command1(32) 200 200 3600 800
drag frmZelmora5 Command1(31) 200 200 3150 800
print frmZelmora5 check
drag frmZelmora5 Command1(30) 200 200 2700 800
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-06: solve x+5=3
load frmZelmora5 @SOURCE_DIR@/lessons/b4-06.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(37) 200 200 3150 1300
print frmZelmora5 band
drag frmZelmora5 Command1(36) 200 200 2700 1300
drag frmZelmora5 Command1(35) 200 200 3600 800
drag frmZelmora5 Command1(38) 0 0 9220 3300
drag frmZelmora5 Command1(39) 0 0 2500 3300
print frmZelmora5 band
drag frmZelmora5 Command1(40) 0 0 9670 3300
drag frmZelmora5 Command1(41) 0 0 2950 3300
drag frmZelmora5 Command1(41) 200 200 3150 800
print frmZelmora5 check
drag frmZelmora5 Command1(39) 200 200 2700 800
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-07: solve 3x-2=x+4
load frmZelmora5 @SOURCE_DIR@/lessons/b4-07.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(3) 200 200 1100 1800
print frmZelmora5 band
drag frmZelmora5 Command1(36) 0 0 9670 1100
drag frmZelmora5 Command1(37) 0 0 2500 600
drag frmZelmora5 Command1(38) 0 0 10120 1100
drag frmZelmora5 Command1(39) 0 0 2950 600
drag frmZelmora5 Command1(31) 200 200 3150 800
print frmZelmora5 band
drag frmZelmora5 Command1(30) 200 200 2700 800
drag frmZelmora5 Command1(1) 200 200 5700 2900
drag frmZelmora5 Command1(38) 200 200 5700 2900
drag frmZelmora5 Command1(36) 200 200 5700 2900
print frmZelmora5 check
drag frmZelmora5 Command1(35) 200 200 5700 2900
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
close frmZelmora5
open frmZelmora5
# b4-08: solve 2x+1=x-3
load frmZelmora5 @SOURCE_DIR@/lessons/b4-08.zelmora
print frmZelmora5 goal
print frmZelmora5 band
drag frmZelmora5 Command1(2) 200 200 1100 1300
print frmZelmora5 band
drag frmZelmora5 Command1(34) 0 0 9220 3800
drag frmZelmora5 Command1(35) 0 0 2500 3300
print frmZelmora5 band
print frmZelmora5 check
drag frmZelmora5 Command1(35) 200 200 2700 800
print frmZelmora5 check
print frmZelmora5 band
print frmZelmora5 steps
