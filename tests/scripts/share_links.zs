# Shared links: a board with its task goes into a link and comes out of it as it was, on a board
# opened for it; a damaged, truncated or foreign link is refused and changes nothing; a board with
# forty tiles out and a goal fits a link short enough for a QR code
start
open frmZelmora1
goal frmZelmora1 multiply (x+3)(x+2)
prompt frmZelmora1 ابنِ المستطيل ثم اقرأ الناتج
click frmZelmora1 Command3
drag frmZelmora1 Command1(21) 0 0 3000 3000
click frmZelmora1 Command7
drag frmZelmora1 Command1(111) 0 0 400 6760
click frmZelmora1 Command3
# turned on the rotation zone
drag frmZelmora1 Command1(22) 0 0 6000 2000
drag frmZelmora1 Command1(22) 10 10 11000 500
print frmZelmora1 tiles
print frmZelmora1 goal
print frmZelmora1 band
print frmZelmora1 focus
print frmZelmora1 Shape3
print frmZelmora1 link
close frmZelmora1
# the link opens the board it names, with its tiles, goal, prompt and focus; its link is the same
openlink zelmora=AX8BhAEDACwAFAAUAyobwAyg0wFUH8C7AcA-ABvgXeBdAgIBAzUwMAAN0A-g0wEAAQhtdWx0aXBseRAo2LMgKyAzKSjYsyArIDIpNNin2KjZhtmQINin2YTZhdiz2KrYt9mK2YQg2KvZhSDYp9mC2LHYoyDYp9mE2YbYp9iq2KwAFD4R1Q
print windows
print frmZelmora1 tiles
print frmZelmora1 goal
print frmZelmora1 band
print frmZelmora1 focus
print frmZelmora1 Shape3
print frmZelmora1 link
# opening was one action: undo takes the tiles back and leaves the goal, as a task file does
undo frmZelmora1
print frmZelmora1 tiles
print frmZelmora1 goal
redo frmZelmora1
# a link with one character changed, one cut short and one of another page: refused, the board
# stays as it was and a closed board is not opened
drag frmZelmora1 Command1(21) 0 0 3000 4500
openlink zelmora=AX8BhAEDACwAFAAUAyobwAyg0wFUH8C7AcA-ABvgXeBdAgIBAzUwMAAN0A-g0wEAAQhtdWx0aXBseRAo2LMgKAAzKSjYsyArIDIpNNin2KjZhtmQINin2YTZhdiz2KrYt9mK2YQg2KvZhSDYp9mC2LHYoyDYp9mE2YbYp9iq2KwAFD4R1Q
openlink zelmora=AX8BhAEDACwAFAAUAyobwAyg0wFUH8C7AcA-ABvgXeBdAgIBAzUwMAAN0A-g0wEAAQhtdWx0aXBseRAo2LMgKyAzKSjYsyArIDIpNNin2KjZhtmQINin
openlink https://example.org/lesson#zelmora-notes
print frmZelmora1 tiles
close frmZelmora1
openlink zelmora=AX8BhAEDACwAFAAUAyobwAyg0wFUH8C7AcA-ABvgXeBdAgIBAzUwMAAN0A-g0wEAAQhtdWx0aXBseRAo2LMgKAAzKSjYsyArIDIpNNin2KjZhtmQINin2YTZhdiz2KrYt9mK2YQg2KvZhSDYp9mC2LHYoyDYp9mE2YbYp9iq2KwAFD4R1Q
openlink zelmora=AX8BhAEDACwAFAAUAyobwAyg0wFUH8C7AcA-ABvgXeBdAgIBAzUwMAAN0A-g0wEAAQhtdWx0aXBseRAo2LMgKyAzKSjYsyArIDIpNNin2KjZhtmQINin
print windows
# the balance's steps travel with its goal
open frmZelmora5
goal frmZelmora5 solve x + 1 = 3
drag frmZelmora5 Command1(0) 0 0 900 1500
drag frmZelmora5 Command1(30) 0 0 2400 900
drag frmZelmora5 Command1(33) 0 0 7400 1000
drag frmZelmora5 Command1(34) 0 0 7900 1000
drag frmZelmora5 Command1(35) 0 0 8400 1000
drag frmZelmora5 Command1(30) 200 200 6000 2500
drag frmZelmora5 Command1(33) 200 200 6000 2500
print frmZelmora5 steps
print frmZelmora5 link
close frmZelmora5
openlink zelmora=Aa0BBBMDAEIAkAMAkAMkDjvAhgKgHwQAO_D2AaAfBgAjAAAhRgAhRAAhAgAhQgAhQAAhPgAhPAAhOgAhOAAhNgAhNAAhMgAhMAAhLgAhLAAhKgAhKAAhJgAhJAAhIgAhIAAhHgAhHAAhGgAhGAAhFgAhFAAhEgAhEAAhDgAhDAAhCgA5kBzwLggAAQVzb2x2ZQrYsyArIDEgPSAzAAIK2LMgKyAxID0gMwbYsyA9IDK6bav_
print frmZelmora5 steps
print frmZelmora5 goal
print frmZelmora5 Command1(34)
# forty tiles out anywhere on Board 1, a goal and a prompt: the whole link, site and all
close frmZelmora5
open frmZelmora1
goal frmZelmora1 factor x^2+5x+6
prompt frmZelmora1 حلّل العبارة بالبلاطات ثم تحقّق من الناتج
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
click frmZelmora1 Command3
click frmZelmora1 Command2
click frmZelmora1 Command7
drag frmZelmora1 Command1(0) 0 0 5605 1535
drag frmZelmora1 Command1(1) 0 0 6768 5632
drag frmZelmora1 Command1(2) 0 0 1091 893
drag frmZelmora1 Command1(3) 0 0 9079 1071
drag frmZelmora1 Command1(4) 0 0 6291 5074
drag frmZelmora1 Command1(5) 0 0 1250 4456
drag frmZelmora1 Command1(6) 0 0 3817 607
drag frmZelmora1 Command1(7) 0 0 1708 3852
drag frmZelmora1 Command1(8) 0 0 7151 872
drag frmZelmora1 Command1(9) 0 0 4243 1043
drag frmZelmora1 Command1(10) 0 0 9328 3777
drag frmZelmora1 Command1(11) 0 0 1268 4932
drag frmZelmora1 Command1(12) 0 0 2328 2128
drag frmZelmora1 Command1(21) 0 0 9851 806
drag frmZelmora1 Command1(22) 0 0 9755 5096
drag frmZelmora1 Command1(23) 0 0 6799 706
drag frmZelmora1 Command1(24) 0 0 3922 681
drag frmZelmora1 Command1(25) 0 0 9420 1390
drag frmZelmora1 Command1(26) 0 0 5044 3733
drag frmZelmora1 Command1(27) 0 0 2663 4729
drag frmZelmora1 Command1(28) 0 0 2229 4976
drag frmZelmora1 Command1(29) 0 0 5354 4889
drag frmZelmora1 Command1(30) 0 0 3261 1144
drag frmZelmora1 Command1(31) 0 0 9828 4979
drag frmZelmora1 Command1(32) 0 0 3378 3350
drag frmZelmora1 Command1(33) 0 0 1896 4787
drag frmZelmora1 Command1(110) 0 0 1328 4923
drag frmZelmora1 Command1(111) 0 0 1276 5370
drag frmZelmora1 Command1(112) 0 0 3674 4366
drag frmZelmora1 Command1(113) 0 0 9011 3802
drag frmZelmora1 Command1(114) 0 0 5446 4114
drag frmZelmora1 Command1(115) 0 0 9893 4012
drag frmZelmora1 Command1(116) 0 0 6224 2755
drag frmZelmora1 Command1(117) 0 0 4370 6807
drag frmZelmora1 Command1(118) 0 0 3245 6026
drag frmZelmora1 Command1(119) 0 0 4299 970
drag frmZelmora1 Command1(120) 0 0 9711 2759
drag frmZelmora1 Command1(121) 0 0 8904 4355
drag frmZelmora1 Command1(122) 0 0 5927 6275
drag frmZelmora1 Command1(123) 0 0 7653 2658
print frmZelmora1 link-length
