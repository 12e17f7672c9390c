# Windows i686 with mingw-w64 (posix threads): the shipped 32-bit program. This machine cannot run
# 32-bit programs, so its tests only look at the built image.
set(_vexprobe_triplet i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR "${_vexprobe_root}/scripts/cannot-run-win32.sh")
