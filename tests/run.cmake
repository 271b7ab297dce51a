# Runs one command and checks everything it did, byte for byte:
#
#   cmake -DCOMMAND=<cmd;args> -DOUT=<file prefix> [-DEXPECT=<golden files>]
#         [-DSTATUS=<n>] [-DSTDERR=<lines>] [-DSTDOUT=<path>] [-DNEWLINE=LF|CRLF]
#         [-DREQUIRE=<path>] [-DSKIP=<reason>] [-DTIMEOUT=<s>] -P run.cmake
#
# EXPECT    golden files whose concatenation is the whole expected stdout
#           (none: stdout must be empty)
# STATUS    expected exit status, 0 by default
# STDERR    expected lines on stderr, each ended by a line feed (none: empty)
# STDOUT    send stdout to this path instead of capturing it (/dev/full)
# NEWLINE   CRLF where the program's text streams end lines with CR LF; the
#           goldens stay LF and the CRs are put in here, so a stray CR fails
# REQUIRE   a path that must exist, else the test is skipped
# SKIP      a reason to skip the test
#
# A skipped test prints "SKIP: <reason>", which CTest reports as skipped.

cmake_minimum_required(VERSION 3.25)

if(DEFINED SKIP AND NOT SKIP STREQUAL "")
  message("SKIP: ${SKIP}")
  return()
endif()
if(DEFINED REQUIRE AND NOT REQUIRE STREQUAL "" AND NOT EXISTS "${REQUIRE}")
  message("SKIP: ${REQUIRE} does not exist here")
  return()
endif()

foreach(var IN ITEMS COMMAND OUT)
  if(NOT DEFINED ${var} OR "${${var}}" STREQUAL "")
    message(FATAL_ERROR "run.cmake: ${var} is required")
  endif()
endforeach()
if("${STATUS}" STREQUAL "")
  set(STATUS 0)
endif()
if("${TIMEOUT}" STREQUAL "")
  set(TIMEOUT 60)
endif()

set(stdout_file "${OUT}.stdout")
set(stderr_file "${OUT}.stderr")
if(DEFINED STDOUT AND NOT STDOUT STREQUAL "")
  set(stdout_file "${STDOUT}")
endif()
get_filename_component(out_dir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${out_dir}")
file(REMOVE "${OUT}.stdout" "${stderr_file}")

execute_process(
  COMMAND ${COMMAND}
  OUTPUT_FILE "${stdout_file}"
  ERROR_FILE "${stderr_file}"
  RESULT_VARIABLE status
  TIMEOUT ${TIMEOUT})

# The expected bytes, and what the program wrote, both as hex so that the
# comparison is exact whatever the bytes are.  The golden files are read as
# bytes too: a text-mode read would drop a CR before a LF, and a stray CR in
# a golden file must fail.  Where the streams end lines with CR LF, each LF
# of the expected bytes becomes CR LF here.
function(to_crlf hex out)
  if(NEWLINE STREQUAL "CRLF")
    string(REGEX REPLACE "(..)" "\\1;" bytes "${hex}")
    list(TRANSFORM bytes REPLACE "^0a$" "0d0a")
    list(JOIN bytes "" hex)
  endif()
  set(${out} "${hex}" PARENT_SCOPE)
endfunction()

# Shows bytes so that a difference can be seen: one line of output to a
# line, with LF, CR, the backslash and anything outside printable ASCII
# spelled out.
function(show hex out)
  string(LENGTH "${hex}" length)
  set(text "")
  set(i 0)
  while(i LESS length)
    string(SUBSTRING "${hex}" ${i} 2 byte)
    if(byte STREQUAL "0a")
      string(APPEND text "\\n\n    ")
    elseif(byte STREQUAL "0d")
      string(APPEND text "\\r")
    elseif(byte MATCHES "^[2-7][0-9a-f]$" AND NOT byte MATCHES "^(5c|7f)$")
      math(EXPR code "0x${byte}")
      string(ASCII ${code} char)
      string(APPEND text "${char}")
    else()
      string(APPEND text "\\x${byte}")
    endif()
    math(EXPR i "${i} + 2")
  endwhile()
  string(REGEX REPLACE "\n    $" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Compares the bytes a stream carried with the expected ones; on a
# difference, says where it starts and shows both sides around it.
set(failures "")
function(compare stream want got)
  if(got STREQUAL want)
    return()
  endif()
  string(LENGTH "${want}" want_length)
  string(LENGTH "${got}" got_length)
  set(at 0)
  while(at LESS want_length AND at LESS got_length)
    string(SUBSTRING "${want}" ${at} 2 want_byte)
    string(SUBSTRING "${got}" ${at} 2 got_byte)
    if(NOT want_byte STREQUAL got_byte)
      break()
    endif()
    math(EXPR at "${at} + 2")
  endwhile()
  # Up to 160 bytes before the difference and 160 from it.
  set(from 0)
  if(at GREATER 320)
    math(EXPR from "${at} - 320")
  endif()
  string(SUBSTRING "${want}" ${from} 640 want_part)
  string(SUBSTRING "${got}" ${from} 640 got_part)
  show("${want_part}" want_text)
  show("${got_part}" got_text)
  math(EXPR want_bytes "${want_length} / 2")
  math(EXPR got_bytes "${got_length} / 2")
  math(EXPR at "${at} / 2")
  math(EXPR from "${from} / 2")
  set(shown "")
  if(from GREATER 0)
    set(shown ", shown from byte ${from}")
  endif()
  string(APPEND failures "${stream}: expected ${want_bytes} bytes, got ${got_bytes}; "
         "they differ from byte ${at}${shown}\n  expected:\n    ${want_text}\n"
         "  got:\n    ${got_text}\n")
  set(failures "${failures}" PARENT_SCOPE)
endfunction()

if(NOT status STREQUAL STATUS)
  string(APPEND failures "exit status: expected ${STATUS}, got ${status}\n")
endif()

if(NOT DEFINED STDOUT OR STDOUT STREQUAL "")
  # A golden file may be named hundreds of times: read each one once.
  set(want "")
  foreach(golden IN LISTS EXPECT)
    string(MD5 key "${golden}")
    if(NOT DEFINED golden_${key})
      file(READ "${golden}" hex HEX)
      to_crlf("${hex}" golden_${key})
    endif()
    string(APPEND want "${golden_${key}}")
  endforeach()
  file(READ "${stdout_file}" got HEX)
  compare(stdout "${want}" "${got}")
endif()

set(text "")
foreach(line IN LISTS STDERR)
  string(APPEND text "${line}\n")
endforeach()
string(HEX "${text}" hex)
to_crlf("${hex}" want)
file(READ "${stderr_file}" got HEX)
compare(stderr "${want}" "${got}")

if(NOT failures STREQUAL "")
  list(JOIN COMMAND " " shown)
  message(FATAL_ERROR "${shown}\n${failures}")
endif()
