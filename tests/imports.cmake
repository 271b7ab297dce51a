# Checks what the program needs from its system when it is loaded: only the
# C runtime, so that it runs wherever that runtime is, with nothing else
# installed.  Reads the ELF dynamic section or the PE import table.
#
#   cmake -DOBJDUMP=<objdump> -DFILE=<executable> [-DSKIP=<reason>] -P imports.cmake
#
# For a Windows image it also checks that it is a PE32+ x86-64 console program.

cmake_minimum_required(VERSION 3.25)

if(DEFINED SKIP AND NOT SKIP STREQUAL "")
  message("SKIP: ${SKIP}")
  return()
endif()
if(NOT OBJDUMP)
  message("SKIP: no objdump was found to read the executable with")
  return()
endif()

execute_process(
  COMMAND "${OBJDUMP}" -p "${FILE}"
  OUTPUT_VARIABLE dump
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${FILE} failed (${status}):\n${errors}")
endif()

set(failures "")
if(dump MATCHES "file format elf")
  string(REGEX MATCHALL "NEEDED +[^\n]+" entries "${dump}")
  list(TRANSFORM entries REPLACE "^NEEDED +" "")
  # glibc's libc.so.6, or musl's libc.so.
  set(allowed "^libc\\.so(\\.[0-9]+)?$")
elseif(dump MATCHES "file format pei-")
  string(REGEX MATCHALL "DLL Name: [^\n]+" entries "${dump}")
  list(TRANSFORM entries REPLACE "^DLL Name: " "")
  list(TRANSFORM entries TOLOWER)
  # The system's own DLLs and the C runtime, old (msvcrt) or universal.
  set(allowed "^(kernel32|msvcrt|ucrtbase)\\.dll$|^api-ms-win-crt-[a-z0-9-]+\\.dll$")

  if(NOT dump MATCHES "file format pei-x86-64")
    string(APPEND failures "not an x86-64 image\n")
  endif()
  if(NOT dump MATCHES "\nMagic[ \t]+020b")
    string(APPEND failures "not a PE32+ (64-bit) image\n")
  endif()
  if(NOT dump MATCHES "\nSubsystem[ \t]+0+3[ \t]")
    string(APPEND failures "not a console (CUI) program\n")
  endif()
else()
  message("SKIP: ${FILE} is neither an ELF nor a PE image")
  return()
endif()

if(entries STREQUAL "")
  string(APPEND failures "no imports found at all: the dump was not understood\n")
endif()
foreach(entry IN LISTS entries)
  if(NOT entry MATCHES "${allowed}")
    string(APPEND failures "needs ${entry}\n")
  endif()
endforeach()

if(NOT failures STREQUAL "")
  message(FATAL_ERROR "${FILE}:\n${failures}")
endif()
list(JOIN entries ", " shown)
message("${FILE} needs only: ${shown}")
