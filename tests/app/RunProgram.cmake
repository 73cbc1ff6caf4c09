# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the program without any display and checks how it ends: the exit
# status, a pattern its standard output must match, and that its standard
# error is empty or exactly one line.
separate_arguments(arguments UNIX_COMMAND "${ARGS}")
execute_process(COMMAND env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ${PROGRAM} ${arguments}
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status
    TIMEOUT 20)
if(NOT status STREQUAL "${STATUS}")
    message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(NOT out MATCHES "${STDOUT}")
    message(FATAL_ERROR "standard output does not match '${STDOUT}':\n${out}")
endif()
string(REGEX MATCHALL "\n" newlines "${err}")
list(LENGTH newlines lines)
if(lines GREATER 1 OR (err AND NOT err MATCHES "^[^\n]+\n$"))
    message(FATAL_ERROR "standard error is not one line:\n${err}")
endif()
