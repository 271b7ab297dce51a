# Checks that the README shows what the program prints: every block marked,
# at the start of a line,
#
#   <!-- output: FILE -->
#   ```
#   ...
#   ```
#
# must hold exactly the bytes of the golden file FILE, and every golden file
# named in FILES must be shown at least once.
#
#   cmake -DREADME=<README.md> -DEXPECTED=<folder> -DFILES=<names> -P readme.cmake

cmake_minimum_required(VERSION 3.25)

# A text-mode read would hide a CR; look for one in the bytes first.
file(READ "${README}" hex HEX)
string(REGEX REPLACE "(..)" "\\1;" bytes "${hex}")
list(FIND bytes 0d cr)
if(NOT cr EQUAL -1)
  message(FATAL_ERROR "${README} holds a CR (byte ${cr}): its blocks would not be the program's bytes")
endif()

file(READ "${README}" text)
set(marker "\n<!-- output: ")
set(failures "")
set(shown "")
set(rest "\n${text}")
while(TRUE)
  string(FIND "${rest}" "${marker}" at)
  if(at EQUAL -1)
    break()
  endif()
  string(LENGTH "${marker}" skip)
  math(EXPR at "${at} + ${skip}")
  string(SUBSTRING "${rest}" ${at} -1 rest)
  if(NOT rest MATCHES "^([^ \n]+) -->\n```[a-z]*\n")
    string(REGEX MATCH "^[^\n]*" line "${rest}")
    string(APPEND failures "a marker is not followed by a fenced block: ${line}\n")
    continue()
  endif()
  set(name "${CMAKE_MATCH_1}")
  string(LENGTH "${CMAKE_MATCH_0}" skip)
  string(SUBSTRING "${rest}" ${skip} -1 rest)
  # The block runs to the next line that is a fence alone.
  string(FIND "\n${rest}" "\n```\n" end)
  if(end EQUAL -1)
    string(APPEND failures "the block of ${name} is never closed\n")
    break()
  endif()
  string(SUBSTRING "${rest}" 0 ${end} block)
  math(EXPR end "${end} + 4")
  string(SUBSTRING "${rest}" ${end} -1 rest)

  list(APPEND shown "${name}")
  if(NOT EXISTS "${EXPECTED}/${name}")
    string(APPEND failures "a block claims to be ${name}, which is not a golden file\n")
    continue()
  endif()
  string(HEX "${block}" got)
  file(READ "${EXPECTED}/${name}" want HEX)
  if(NOT got STREQUAL want)
    file(READ "${EXPECTED}/${name}" golden)
    string(REPLACE "\n" "\n    " block "${block}")
    string(REPLACE "\n" "\n    " golden "${golden}")
    string(APPEND failures "the README's ${name} differs from the golden file\n"
           "  README:\n    ${block}\n  ${name}:\n    ${golden}\n")
  endif()
endwhile()

foreach(name IN LISTS FILES)
  if(NOT name IN_LIST shown)
    string(APPEND failures "the README shows no block of ${name}\n")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${failures}")
endif()
list(JOIN shown ", " shown)
message("the README's blocks match their golden files: ${shown}")
