# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one driver script and compares what the driver prints with the
# expected output. Flags for the driver come from a first line "#! ...".
file(STRINGS ${SCRIPT} first LIMIT_COUNT 1)
set(flags "")
if(first MATCHES "^#! (.*)$")
    separate_arguments(flags UNIX_COMMAND "${CMAKE_MATCH_1}")
endif()
execute_process(COMMAND ${DRIVER} ${flags}
    INPUT_FILE ${SCRIPT}
    OUTPUT_VARIABLE actual
    RESULT_VARIABLE status
    WORKING_DIRECTORY ${WORKDIR})
if(NOT status EQUAL 0)
    message(FATAL_ERROR "velmora-drive exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
if(NOT actual STREQUAL expected)
    get_filename_component(name ${SCRIPT} NAME_WE)
    file(WRITE ${WORKDIR}/${name}.actual "${actual}")
    execute_process(COMMAND diff -u ${EXPECTED} ${WORKDIR}/${name}.actual)
    message(FATAL_ERROR "output differs from ${EXPECTED}")
endif()
