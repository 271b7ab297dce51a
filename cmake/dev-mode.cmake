# What a developer's build adds to a user's: the warnings the code is kept
# free of, and the test suite.  Whether warnings are errors is the preset's
# choice (CMAKE_COMPILE_WARNING_AS_ERROR), never this file's.

# The flags follow the compiler's command-line style, not its name: clang-cl
# calls itself Clang but takes cl's options, and there -Wall means
# -Weverything.  CMake leaves the style empty for compilers with only one.
if(CMAKE_CXX_COMPILER_FRONTEND_VARIANT STREQUAL "MSVC" OR CMAKE_CXX_COMPILER_ID STREQUAL "MSVC")
  set(bitwise_warnings /W4)
else()
  set(bitwise_warnings -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wformat=2 -Wshadow
                       -Wold-style-cast $<$<CXX_COMPILER_ID:GNU>:-Wformat-signedness>)
endif()
target_compile_options(bitwise_options INTERFACE ${bitwise_warnings})

include(CTest)
if(BUILD_TESTING)
  add_subdirectory(tests)
endif()
