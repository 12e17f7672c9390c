# Native build: the portable code against the simulated Windows, and the native tests.

add_library(vexprobe_core STATIC ${VEXPROBE_PORTABLE_SOURCES} tests/fakewin/fakewin.cpp)
target_include_directories(vexprobe_core PUBLIC ${CMAKE_SOURCE_DIR})

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VEXPROBE_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_executable(vexprobe_unit_tests
    tests/unit/CommandLineTest.cpp
    tests/unit/DialogLayoutTest.cpp
    tests/InstanceMutexGlobal.cpp
    tests/unit/ProcessLookupTest.cpp
    tests/unit/SingleInstanceTest.cpp
    tests/unit/FrameCaptureTest.cpp
    tests/unit/StartupTest.cpp
    tests/unit/TextTest.cpp
)
target_link_libraries(vexprobe_unit_tests PRIVATE vexprobe_core GTest::gtest_main GTest::gmock)
include(GoogleTest)
gtest_discover_tests(vexprobe_unit_tests DISCOVERY_MODE PRE_TEST)
