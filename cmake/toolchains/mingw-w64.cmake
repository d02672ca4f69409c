# Cross-compilation for Windows with Debian's mingw-w64, included by the toolchain file of each
# architecture after it has set MINGW_TRIPLE and MINGW_PROCESSOR.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_PROCESSOR})

# The posix thread model: only it gives std::thread and std::mutex with GCC 12.
set(CMAKE_C_COMPILER ${MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLE}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own runtime (libstdc++, libgcc, winpthread) is linked into every module, so that
# the simulator tree runs on a machine that has none of the toolchain's DLLs. A DLL that exports
# all its functions (vrplatform) leaves the runtime's out: each module keeps its own copy.
set(runtime_libraries libgcc.a:libgcc_eh.a:libstdc++.a:libwinpthread.a:libpthread.a)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,${runtime_libraries}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -Wl,--exclude-libs,${runtime_libraries}")
