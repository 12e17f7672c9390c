# Windows x86_64 with mingw-w64 (posix threads). Its programs run here under wine64.
set(_vexprobe_triplet x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

if(NOT EXISTS /usr/lib/wine/wine64)
    message(FATAL_ERROR "wine64 is missing (/usr/lib/wine/wine64): run scripts/setup.sh first")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR "${_vexprobe_root}/scripts/wine-run.sh")
