# Board 1 holding a goal and a question: its goal dialog opens filled with them.
start
open frmZelmora1
goal frmZelmora1 factor x^2+5x+6
prompt frmZelmora1 حلّل المقدار إلى عاملين
