# Windows builds: the program itself, its static checks, and (64-bit only) the tests under Wine.
enable_language(RC)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VEXPROBE_MANIFEST_ARCH amd64)
else()
    set(VEXPROBE_MANIFEST_ARCH x86)
endif()
configure_file(res/VexprobeHLX.manifest.in ${CMAKE_BINARY_DIR}/res/VexprobeHLX.manifest @ONLY)

# Statically linked: no libstdc++, libgcc or winpthread DLL beside the program.
set(VEXPROBE_WINDOWS_LINK_OPTIONS -static -municode)
set(VEXPROBE_WINDOWS_LIBRARIES gdiplus comctl32 gdi32 user32 kernel32)

# Windows-only: the window half of the framework and the window parts of the dialog and controls.
set(VEXPROBE_WINDOWS_SOURCES
    framework/Dialog.cpp
    framework/Gdi.cpp
    framework/Resources.cpp
    framework/Wnd.cpp
    ui/ButtonEx.cpp
    ui/CustomStatic.cpp
    ui/DialogExt.cpp
)

add_library(vexprobe_core STATIC ${VEXPROBE_PORTABLE_SOURCES} ${VEXPROBE_WINDOWS_SOURCES})
target_include_directories(vexprobe_core PUBLIC ${CMAKE_SOURCE_DIR})
target_compile_options(vexprobe_core PUBLIC -municode)
target_link_libraries(vexprobe_core PUBLIC ${VEXPROBE_WINDOWS_LIBRARIES})
target_link_options(vexprobe_core INTERFACE ${VEXPROBE_WINDOWS_LINK_OPTIONS})

add_executable(VexprobeHLX WIN32 app/VexprobeHLX.cpp framework/WinMain.cpp res/VexprobeHLX.rc)
target_include_directories(VexprobeHLX PRIVATE ${CMAKE_BINARY_DIR}/res ${CMAKE_SOURCE_DIR}/res)
target_link_libraries(VexprobeHLX PRIVATE vexprobe_core)
target_link_options(VexprobeHLX PRIVATE -s)
set_property(SOURCE res/VexprobeHLX.rc APPEND PROPERTY OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/res/VexprobeHLX.manifest)

add_test(NAME program_image
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/static/check_program.sh $<TARGET_FILE:VexprobeHLX> ${VEXPROBE_MANIFEST_ARCH})

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    include(cmake/wine-tests.cmake)
endif()
