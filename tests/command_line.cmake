# SPDX-License-Identifier: GPL-3.0-or-later
# The program answers --help and --version on a terminal with no display, and refuses what it does
# not understand with status 2 instead of starting as if nothing was said. One file is a saved board
# to open, which needs a display; two are a mistake.
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
set(ENV{QT_QPA_PLATFORM} "")

function(expect status pattern stream)
    execute_process(COMMAND "${PROGRAM}" ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE actual
        TIMEOUT 20)
    if(NOT actual STREQUAL status)
        message(SEND_ERROR "zelmora ${ARGN}: exit ${actual}, expected ${status}\n${out}${err}")
    endif()
    if(stream STREQUAL "stdout")
        set(text "${out}")
        set(other "${err}")
    else()
        set(text "${err}")
        set(other "${out}")
    endif()
    if(NOT text MATCHES "${pattern}")
        message(SEND_ERROR "zelmora ${ARGN}: ${stream} does not match '${pattern}':\n${text}")
    endif()
    if(NOT other STREQUAL "")
        message(SEND_ERROR "zelmora ${ARGN}: unexpected output on the other stream:\n${other}")
    endif()
endfunction()

expect(0 "^zelmora ${VERSION}\n.*GPL version 3 or later" stdout --version)
expect(0 "^zelmora ${VERSION}\n" stdout -v)
expect(0 "Usage: .*zelmora \\[options\\] \\[FILE\\].*-h, --help.*-v, --version" stdout --help)
expect(0 "Usage: " stdout -platform offscreen -h)
expect(2 "^zelmora: Unknown option 'bogus'.\nTry 'zelmora --help'" stderr --bogus)
expect(2 "^zelmora: Unknown option 'reverse'" stderr -reverse)
expect(2 "^zelmora: one saved board at a time, not 2" stderr a.zelmora b.zelmora)
expect(2 "^zelmora: Missing value after '-platform'" stderr -platform)
