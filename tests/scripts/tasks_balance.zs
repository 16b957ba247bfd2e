# Solving 2x + 3 = 7 on the balance: the equations it goes through are recorded as steps, a state
# that is not balanced is not; undo and redo take the steps with the board; a task saved and opened
# again brings its goal and steps back
start
open frmZelmora5
goal frmZelmora5 solve 7 = 2x + 3
print frmZelmora5 goal
print frmZelmora5 check
print frmZelmora5 steps
print frmZelmora5 band
# 2x + 3 in the left "+", then seven units in the right "+": only the whole equation is a step
drag frmZelmora5 Command1(0) 0 0 900 1500
drag frmZelmora5 Command1(1) 0 0 900 2100
drag frmZelmora5 Command1(30) 0 0 2400 900
drag frmZelmora5 Command1(31) 0 0 2900 900
drag frmZelmora5 Command1(32) 0 0 3400 900
print frmZelmora5 band
drag frmZelmora5 Command1(33) 0 0 7400 1000
drag frmZelmora5 Command1(34) 0 0 7900 1000
drag frmZelmora5 Command1(35) 0 0 8400 1000
drag frmZelmora5 Command1(36) 0 0 8900 1000
drag frmZelmora5 Command1(37) 0 0 9400 1000
drag frmZelmora5 Command1(38) 0 0 9900 1000
drag frmZelmora5 Command1(39) 0 0 7400 1600
print frmZelmora5 steps
print frmZelmora5 band
# the three units off the left pan first: uneven, nothing is recorded
drag frmZelmora5 Command1(30) 200 200 6000 2500
drag frmZelmora5 Command1(31) 200 200 6000 2500
drag frmZelmora5 Command1(32) 200 200 6000 2500
print frmZelmora5 algebra
print frmZelmora5 steps
print frmZelmora5 band
# three units off the right pan: even again at 2x = 4
drag frmZelmora5 Command1(33) 200 200 6000 2500
drag frmZelmora5 Command1(34) 200 200 6000 2500
print frmZelmora5 steps
drag frmZelmora5 Command1(35) 200 200 6000 2500
print frmZelmora5 steps
print frmZelmora5 band
# halved: one x and two units go
drag frmZelmora5 Command1(1) 700 200 5700 2900
drag frmZelmora5 Command1(36) 200 200 6000 2500
drag frmZelmora5 Command1(37) 200 200 6000 2500
print frmZelmora5 algebra
print frmZelmora5 check
print frmZelmora5 steps
print frmZelmora5 band
# undo takes the last unit back and the last step with it; redo brings both again
undo frmZelmora5
print frmZelmora5 check
print frmZelmora5 steps
undo frmZelmora5
print frmZelmora5 algebra
print frmZelmora5 steps
redo frmZelmora5
redo frmZelmora5
print frmZelmora5 check
print frmZelmora5 steps
# saved, closed, opened afresh and loaded: the tiles, the goal and the steps come back
save frmZelmora5 task4.zelmora
close frmZelmora5
open frmZelmora5
print frmZelmora5 goal
load frmZelmora5 task4.zelmora
print frmZelmora5 goal
print frmZelmora5 check
print frmZelmora5 steps
print frmZelmora5 algebra
# the work goes on from there: an x in the left "-" and one in the right "-" keep the balance,
# and leave zero pairs in the left pan
drag frmZelmora5 Command1(2) 0 0 1000 4000
print frmZelmora5 band
drag frmZelmora5 Command1(3) 0 0 8000 4000
print frmZelmora5 steps
print frmZelmora5 band
# undo takes the load back with the tiles, never the goal
undo frmZelmora5
undo frmZelmora5
undo frmZelmora5
print frmZelmora5 algebra
print frmZelmora5 goal
print frmZelmora5 steps
# equations that are not linear in x alone, have no single whole solution, or cannot be read
goal frmZelmora5 solve 2x = 3
goal frmZelmora5 solve x + y = 3
goal frmZelmora5 solve x = x + 1
goal frmZelmora5 solve x^2 = 4
goal frmZelmora5 solve 2x + 3
goal frmZelmora5 solve x = 1 = 1
goal frmZelmora5 factor x^2 + 5x + 6
print frmZelmora5 goal
