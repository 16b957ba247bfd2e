# The main menu as the program opens it.
start
