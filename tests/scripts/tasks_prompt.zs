# The learner's line above the goal: set on a goal, kept with its steps, saved in the task file
start
open frmZelmora5
# no goal yet: nothing to put the line above
prompt frmZelmora5 ضع المعادلة على الكفتين
goal frmZelmora5 solve 2x = 4
drag frmZelmora5 Command1(0) 0 0 900 600
drag frmZelmora5 Command1(1) 0 0 900 1100
drag frmZelmora5 Command1(30) 0 0 9220 600
drag frmZelmora5 Command1(31) 0 0 9670 600
drag frmZelmora5 Command1(32) 0 0 10120 600
drag frmZelmora5 Command1(33) 0 0 9220 1100
prompt frmZelmora5 وزّع   الوحدات على قطعتي س بالتساوي
print frmZelmora5 band
print frmZelmora5 steps
# the words keep their order, one blank between each; a line too long for the band is refused
prompt frmZelmora5 أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول أطول
print frmZelmora5 band
save frmZelmora5 prompt.zelmora
close frmZelmora5
open frmZelmora5
load frmZelmora5 prompt.zelmora
print frmZelmora5 band
# no words: the line goes, the goal stays
prompt frmZelmora5
print frmZelmora5 band
