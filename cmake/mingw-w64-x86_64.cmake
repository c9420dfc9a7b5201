# Cross-compiles the core, the command line and the tests for 64-bit Windows with Debian's
# MinGW-w64 compilers (the posix threads variant, which std::thread and std::mutex need).
# The programs link libgcc, libstdc++ and winpthread statically, so an .exe runs on a bare
# Windows or under Wine without any DLL beside it.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PPEXPORT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PPEXPORT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PPEXPORT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PPEXPORT_MINGW_PREFIX}-windres)

# Only the target's own headers and libraries; the build machine's programs stay usable.
set(CMAKE_FIND_ROOT_PATH /usr/${PPEXPORT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Windows 7 and later: the wide-character and locale functions the core calls.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)

# Tests and smoke runs of the .exe files go through Wine where it is installed (Debian's wine64
# package puts its loader outside PATH).
find_program(PPEXPORT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(PPEXPORT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PPEXPORT_WINE})
endif()
