# The catch bands of the arms: a Left of 5359 is on the vertical band and 5360 is not; a Top of
# 3960 is on the horizontal band and 4160 is not; a right factor needs a Left of 5595 or more.
# The origin square lies on both bands and is never lined up or counted.
start
open frmZelmora2
click frmZelmora2 Command9
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
print frmZelmora2 Text1
click frmZelmora2 Command5
click frmZelmora2 Command5
drag frmZelmora2 Command1(51) 0 0 5359 1000
drag frmZelmora2 Command1(52) 0 0 5360 1000
print frmZelmora2 Command1(51)
print frmZelmora2 Command1(52)
print frmZelmora2 Text1
# the upper arm alone: no rectangle has a width, the upper pair take its length as height
print frmZelmora2 Shape3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
print frmZelmora2 Shape6
# unit squares just left of the strip, where snapping leaves them
click frmZelmora2 Command7
click frmZelmora2 Command7
drag frmZelmora2 Command1(111) 0 0 5100 3960
drag frmZelmora2 Command1(112) 0 0 5100 4160
print frmZelmora2 Command1(111)
print frmZelmora2 Command1(112)
print frmZelmora2 Text3
print frmZelmora2 Shape4
print frmZelmora2 Shape5
# on the horizontal band over the vertical strip: 5594 is on no arm, 5595 on the right arm
click frmZelmora2 Command7
click frmZelmora2 Command7
drag frmZelmora2 Command1(110) 0 0 5594 3970
print frmZelmora2 Command1(110)
print frmZelmora2 Text2
print frmZelmora2 Shape3
drag frmZelmora2 Command1(113) 0 0 5595 3970
print frmZelmora2 Command1(113)
print frmZelmora2 Text2
print frmZelmora2 Shape3
print frmZelmora2 Shape6
print frmZelmora2 Command1(141)
