# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one behaviour script and compares what it prints with the expected output beside it.
# LAUNCHER, when given, runs the driver (Node for the browser build's). Each script runs in a
# folder of its own, emptied first, where the files it saves are written.
string(REGEX REPLACE "\\.zs$" ".out" expected_file "${SCRIPT}")
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
# A script that opens files kept in the source tree (the lessons) names the tree @SOURCE_DIR@: it
# runs as a copy with the tree's path written in, its lines where they were.
# (Without the newer rules a script run by -P would read @SOURCE_DIR@ below as a variable.)
cmake_policy(SET CMP0053 NEW)
set(script_to_run "${SCRIPT}")
file(READ "${SCRIPT}" script_text)
string(FIND "${script_text}" "@SOURCE_DIR@" names_source_dir)
if(NOT names_source_dir EQUAL -1)
    get_filename_component(script_name "${SCRIPT}" NAME)
    set(script_to_run "${WORK_DIR}/${script_name}")
    string(REPLACE "@SOURCE_DIR@" "${SOURCE_DIR}" script_text "${script_text}")
    file(WRITE "${script_to_run}" "${script_text}")
endif()
execute_process(COMMAND ${LAUNCHER} "${DRIVER}" "${script_to_run}" WORKING_DIRECTORY "${WORK_DIR}"
    OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
file(READ "${expected_file}" expected)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "zelmora-script exited with ${status}:\n${errors}\noutput so far:\n${actual}")
endif()
if(NOT actual STREQUAL expected)
    file(WRITE "${SCRIPT}.actual" "${actual}")
    execute_process(COMMAND diff -u "${expected_file}" "${SCRIPT}.actual" OUTPUT_VARIABLE difference)
    file(REMOVE "${SCRIPT}.actual")
    message(FATAL_ERROR "output differs from ${expected_file}:\n${difference}")
endif()
