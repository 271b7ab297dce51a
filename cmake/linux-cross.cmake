# Cross-build for Linux on another processor with Debian's cross compilers,
# and run what it builds under qemu's user-mode emulator, so that CTest runs
# the same tests on the foreign binaries.
#
#   -DBITWISE_TARGET=<triple>   the GNU triple, e.g. arm-linux-gnueabihf
#   -DBITWISE_QEMU=<program>    its emulator, e.g. qemu-arm
#
# On Debian: apt-get install g++-<triple> qemu-user

# CMake reads this file again for each check it compiles; pass the choice on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BITWISE_TARGET BITWISE_QEMU)

if(NOT BITWISE_TARGET OR NOT BITWISE_QEMU)
  message(FATAL_ERROR "linux-cross.cmake needs BITWISE_TARGET (a GNU triple) and BITWISE_QEMU")
endif()

set(CMAKE_SYSTEM_NAME Linux)
string(REGEX REPLACE "-.*" "" CMAKE_SYSTEM_PROCESSOR "${BITWISE_TARGET}")

set(CMAKE_CXX_COMPILER ${BITWISE_TARGET}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${BITWISE_TARGET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Without an emulator every test would fail with "Exec format error" (or
# pass through binfmt_misc, which may not be there): stop here instead.
find_program(BITWISE_EMULATOR NAMES ${BITWISE_QEMU} NO_CMAKE_FIND_ROOT_PATH)
if(NOT BITWISE_EMULATOR)
  message(FATAL_ERROR "${BITWISE_QEMU} was not found: install qemu-user to run the tests")
endif()
# The target's dynamic loader and C library live under /usr/<triple>.
set(CMAKE_CROSSCOMPILING_EMULATOR ${BITWISE_EMULATOR} -L /usr/${BITWISE_TARGET})
