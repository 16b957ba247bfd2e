# A simplify goal on Board 3: done when the total is the goal's and no zero pair is left
start
open frmZelmora4
goal frmZelmora4 simplify (2x^2+3x-1)+(x^2-2x+4)
print frmZelmora4 goal
print frmZelmora4 check
print frmZelmora4 band
# the guide's first activity laid out: 2x² + 3x - 1 and x² - 2x + 4
click frmZelmora4 Command2
click frmZelmora4 Command2
click frmZelmora4 Command2
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command3
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
click frmZelmora4 Command7
drag frmZelmora4 Command1(0) 0 0 1200 700
drag frmZelmora4 Command1(1) 0 0 2800 700
drag frmZelmora4 Command1(21) 0 0 1200 2500
drag frmZelmora4 Command1(22) 0 0 2800 2500
drag frmZelmora4 Command1(23) 0 0 1200 3100
drag frmZelmora4 Command1(111) 0 0 1200 4700
drag frmZelmora4 Command1(2) 0 0 5700 700
drag frmZelmora4 Command1(112) 0 0 5700 2500
drag frmZelmora4 Command1(110) 0 0 6350 2500
drag frmZelmora4 Command1(113) 0 0 7000 2500
drag frmZelmora4 Command1(114) 0 0 7650 2500
drag frmZelmora4 Command1(24) 0 0 5700 4700
# the total is the goal's already, but like tiles lie in both halves
print frmZelmora4 algebra
print frmZelmora4 check
print frmZelmora4 band
drag frmZelmora4 Command1(25) 0 0 5700 5300
print frmZelmora4 check
print frmZelmora4 band
# the zero pairs taken off one by one: the last one reaches the goal
drag frmZelmora4 Command1(24) 100 100 1300 2600
drag frmZelmora4 Command1(25) 100 100 2900 2600
print frmZelmora4 check
drag frmZelmora4 Command1(111) 100 100 5800 2600
print frmZelmora4 algebra
print frmZelmora4 check
print frmZelmora4 band
# the same goal written with the Arabic letters and the true minus sign, and a goal that differs
goal frmZelmora4 simplify (2س² + 3س − 1) + (س^2 - 2س + 4)
print frmZelmora4 goal
print frmZelmora4 check
goal frmZelmora4 simplify (3x+2)-(x+1)
print frmZelmora4 goal
print frmZelmora4 check
print frmZelmora4 band
# Board 3 takes neither a product nor an equation
goal frmZelmora4 factor x^2+5x+6
goal frmZelmora4 multiply (x+1)(x+2)
goal frmZelmora4 solve 2x+3=7
print frmZelmora4 goal
