# Windows, 32-bit: the simulator's own architecture.
set(MINGW_TRIPLE i686-w64-mingw32)
set(MINGW_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
