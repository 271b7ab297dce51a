# Installs the build into a scratch prefix for the tests, leaving the build
# folder's install_manifest.txt (the record of the user's own install) as it
# was.
#
#   cmake -DBUILD=<build folder> -DPREFIX=<scratch prefix> -DCONFIG=<config> -P install.cmake
#
# cmake --install always writes its manifest into the build folder, named
# after the component it was asked for: installing the default component by
# name puts the record in install_manifest_Unspecified.txt instead.

cmake_minimum_required(VERSION 3.25)

set(manifest "${BUILD}/install_manifest.txt")
set(before "")
if(EXISTS "${manifest}")
  file(SHA256 "${manifest}" before)
endif()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}" --config "${CONFIG}"
          --component Unspecified
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status})")
endif()

set(after "")
if(EXISTS "${manifest}")
  file(SHA256 "${manifest}" after)
endif()
if(NOT after STREQUAL before)
  message(FATAL_ERROR "the install for the tests changed ${manifest}")
endif()
