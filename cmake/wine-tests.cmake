# The tests that run under Wine: in-process tests of the Windows-side code, and end-to-end tests of the
# real program. Each test program runs once per virtual screen it needs (scripts/wine-run.sh picks the
# screen from VEXPROBE_SCREEN), as one process, since Wine's process start costs about a second.

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(${VEXPROBE_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

function(vexprobe_wine_test_program name)
    add_executable(${name} ${ARGN} tests/win/WineTestMain.cpp tests/InstanceMutexGlobal.cpp)
    target_link_libraries(${name} PRIVATE vexprobe_core GTest::gtest)
    target_compile_options(${name} PRIVATE -municode)
endfunction()

# Registers a test program's run on one screen. Tests named LargeScreen.* run only on the large one.
# WINE_TRACES keeps Wine's unix standard error in a file that the tests read (see ChildProcess.h).
function(vexprobe_wine_test name program screen)
    cmake_parse_arguments(PARSE_ARGV 3 arg "WINE_TRACES" "" "")
    if(screen STREQUAL "large")
        set(filter "--gtest_filter=LargeScreen.*")
    else()
        set(filter "--gtest_filter=-LargeScreen.*")
    endif()
    add_test(NAME ${name} COMMAND ${program} ${filter})
    set(environment "VEXPROBE_SCREEN=${screen}")
    if(arg_WINE_TRACES)
        list(APPEND environment "VEXPROBE_WINE_STDERR=${CMAKE_BINARY_DIR}/${name}-wine-stderr.log")
    endif()
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}" RESOURCE_LOCK wine-${screen})
endfunction()

vexprobe_wine_test_program(vexprobe_win_tests
    tests/win/CaptureTest.cpp
    tests/win/ChildProcess.cpp
    tests/win/CommandLineTest.cpp
    tests/win/InstanceMutexTest.cpp
    tests/win/SingleInstanceTest.cpp
    tests/win/ControlsTest.cpp
    tests/win/DialogExtTest.cpp
    tests/win/res/TestDialogs.rc
)
vexprobe_wine_test(win_small vexprobe_win_tests small)
vexprobe_wine_test(win_large vexprobe_win_tests large)

vexprobe_wine_test_program(vexprobe_e2e_tests tests/e2e/ProgramTest.cpp tests/e2e/GuardTest.cpp tests/win/ChildProcess.cpp)
add_dependencies(vexprobe_e2e_tests VexprobeHLX)
vexprobe_wine_test(e2e_small vexprobe_e2e_tests small WINE_TRACES)
vexprobe_wine_test(e2e_large vexprobe_e2e_tests large WINE_TRACES)

# Prints the switches that the framework collects from its own command line, for the test of how
# Windows splits a command line.
add_executable(vexprobe_switch_echo tests/win/SwitchEcho.cpp)
target_link_libraries(vexprobe_switch_echo PRIVATE vexprobe_core)
add_dependencies(vexprobe_win_tests vexprobe_switch_echo)

# Stands in for a running instance in the end-to-end tests of the guard.
add_executable(vexprobe_standin WIN32 tests/e2e/StandIn.cpp)
target_link_libraries(vexprobe_standin PRIVATE vexprobe_core)
add_dependencies(vexprobe_e2e_tests vexprobe_standin)

# Shows the dialog base and both controls at the prefix's DPI; tests/win/dpi.sh runs it at 96, 120 and
# 144 DPI, checks what it measured and saves screenshots.
add_executable(vexprobe_dpi_probe tests/win/DpiProbe.cpp tests/win/res/TestDialogs.rc tests/InstanceMutexGlobal.cpp)
target_link_libraries(vexprobe_dpi_probe PRIVATE vexprobe_core)
add_dependencies(vexprobe_win_tests vexprobe_dpi_probe)
add_test(NAME dpi_small COMMAND bash ${CMAKE_SOURCE_DIR}/tests/win/dpi.sh $<TARGET_FILE:vexprobe_dpi_probe> ${CMAKE_BINARY_DIR})
set_tests_properties(dpi_small PROPERTIES ENVIRONMENT "VEXPROBE_SCREEN=small" RESOURCE_LOCK wine-small)
