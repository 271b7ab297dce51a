# Cross-build for 64-bit Windows with MinGW-w64, and run what it builds under
# Wine, so that CTest can run the same tests on the .exe.
#
# On Debian: apt-get install g++-mingw-w64-x86-64-posix wine64

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(triple x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# A bare Windows has its C runtime but none of MinGW's (libstdc++, libgcc,
# winpthread): link those in, so that the .exe needs only system DLLs.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Wine's 64-bit loader: Debian keeps wine64 in Wine's library folder, off
# PATH; other systems and newer Wines call it wine and put it on PATH.
find_program(
  BITWISE_WINE
  NAMES wine64 wine
  PATHS /usr/lib/wine /usr/lib64/wine /usr/libexec/wine /opt/wine-stable/bin
  NO_CMAKE_FIND_ROOT_PATH)
if(NOT BITWISE_WINE)
  message(FATAL_ERROR "Wine was not found: install wine64 (Debian) or wine to run the tests")
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR ${BITWISE_WINE})
