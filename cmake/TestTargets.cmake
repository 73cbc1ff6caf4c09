# SPDX-License-Identifier: GPL-3.0-or-later
# The tests' own sources are compiled without optimisation, in every build:
# they are compiled on every change and run once, and the optimiser spends
# more time on their expanded test macros than the tests save by it. The
# code they test is built as the program is (velmora_build_options and the
# build type), so what is tested does not change. Each such target carries
# VELMORA_TEST_CODE, which the fuzz build reads to leave its coverage out.
# A test that spends its time in its own loops keeps the optimiser: its
# target carries VELMORA_OPTIMISED, or its source an -O2 of its own.

# Every target defined in DIR and the folders below it, into OUT.
function(velmora_targets_below dir out)
    get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    foreach(sub ${subdirs})
        velmora_targets_below(${sub} below)
        list(APPEND targets ${below})
    endforeach()
    set(${out} ${targets} PARENT_SCOPE)
endfunction()

# Whether TARGET is built from the tests' folder (the benchmarks, added from
# there, have a folder of their own and stay optimised).
function(velmora_is_test_code target out)
    get_target_property(type ${target} TYPE)
    get_target_property(dir ${target} SOURCE_DIR)
    set(tests_dir "${PROJECT_SOURCE_DIR}/tests")
    cmake_path(IS_PREFIX tests_dir "${dir}" NORMALIZE below_tests)
    get_target_property(optimised ${target} VELMORA_OPTIMISED)
    if(below_tests AND NOT optimised AND type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

function(velmora_compile_tests_unoptimised)
    velmora_targets_below(${PROJECT_SOURCE_DIR}/tests targets)
    foreach(t ${targets})
        velmora_is_test_code(${t} test_code)
        if(test_code)
            # After the build type's -O2 on the command line, so it holds.
            target_compile_options(${t} PRIVATE -O0)
            set_property(TARGET ${t} PROPERTY VELMORA_TEST_CODE ON)
        endif()
    endforeach()
endfunction()
