# SPDX-License-Identifier: GPL-3.0-or-later
# A keyboard-only build must stay quick: fails when SCRIPT presses more than LIMIT keys (its lines
# that begin with "key"). The script's own test pins what those presses build.
file(STRINGS ${SCRIPT} presses REGEX "^key ")
list(LENGTH presses count)
if(count EQUAL 0 OR count GREATER LIMIT)
    message(FATAL_ERROR "${SCRIPT} presses ${count} keys; at most ${LIMIT} are allowed")
endif()
message(STATUS "${count} key presses (at most ${LIMIT})")
