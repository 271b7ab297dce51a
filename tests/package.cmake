# Makes the packages with CPack into a folder of the tests' own, unpacks
# each, and checks what it holds: exactly the files listed in its fixture,
# the documents as they stand in the source tree, and a stripped program.
# The tests that run the unpacked program follow this one.
#
#   cmake -DCPACK=<cpack> -DCONFIG_FILE=<CPackConfig.cmake> -DCONFIG=<config>
#         -DOUT=<folder> -DKINDS=<DEB;TGZ;ZIP> -DLISTS=<folder of <kind>.list files>
#         -DSOURCE=<source tree> -DOBJDUMP=<objdump> -P package.cmake
#
# Each kind is unpacked into <OUT>/<kind>, without the archives' top folder.

cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE "${OUT}")
execute_process(
  COMMAND "${CPACK}" --config "${CONFIG_FILE}" -C "${CONFIG}" -B "${OUT}"
  OUTPUT_VARIABLE log
  ERROR_VARIABLE log
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cpack failed (${status}):\n${log}")
endif()

set(failures "")
foreach(kind IN LISTS KINDS)
  string(TOLOWER ${kind} name)
  set(suffix ${name})
  if(kind STREQUAL "TGZ")
    set(suffix tar.gz)
  endif()
  file(GLOB package "${OUT}/*.${suffix}")
  list(LENGTH package count)
  if(NOT count EQUAL 1)
    string(APPEND failures "${kind}: expected one *.${suffix}, found ${count}\n")
    continue()
  endif()

  set(root "${OUT}/${kind}")
  set(prefix "")
  if(kind STREQUAL "DEB")
    set(prefix usr/)
  endif()
  if(kind STREQUAL "DEB")
    execute_process(COMMAND dpkg-deb -x "${package}" "${root}" RESULT_VARIABLE status)
  else()
    set(scratch "${OUT}/${kind}.unpacked")
    file(MAKE_DIRECTORY "${scratch}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E tar xf "${package}" WORKING_DIRECTORY "${scratch}"
                    RESULT_VARIABLE status)
    file(GLOB top "${scratch}/*")
    file(RENAME "${top}" "${root}")
  endif()
  if(NOT status EQUAL 0)
    string(APPEND failures "${kind}: ${package} could not be unpacked\n")
    continue()
  endif()

  # Every file, exactly the listed ones.
  file(GLOB_RECURSE files RELATIVE "${root}" "${root}/*")
  list(SORT files)
  list(JOIN files "\n    " got)
  file(STRINGS "${LISTS}/${name}.list" want)
  list(JOIN want "\n    " want)
  if(NOT got STREQUAL want)
    string(APPEND failures "${kind}: the files differ from ${name}.list:\n  expected:\n"
           "    ${want}\n  got:\n    ${got}\n")
    continue()
  endif()

  foreach(document IN ITEMS README.md LICENSE)
    set(packed "${root}/${prefix}share/doc/bitwise/${document}")
    if(EXISTS "${packed}")
      file(SHA256 "${packed}" got)
      file(SHA256 "${SOURCE}/${document}" want)
      if(NOT got STREQUAL want)
        string(APPEND failures "${kind}: ${document} differs from the source tree's\n")
      endif()
    endif()
  endforeach()

  # MSVC's toolchain has no objdump (and keeps its symbols apart anyway).
  if(NOT OBJDUMP)
    message("${kind}: no objdump here, so whether the program is stripped goes unchecked")
    continue()
  endif()
  file(GLOB program "${root}/${prefix}bin/bitwise*")
  execute_process(COMMAND "${OBJDUMP}" -t "${program}" OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
  # GNU objdump says "no symbols" under the heading, LLVM's says nothing.
  if(NOT status EQUAL 0 OR NOT symbols MATCHES "SYMBOL TABLE:\n(no symbols\n)?\n*$")
    string(APPEND failures "${kind}: the program is not stripped\n")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
