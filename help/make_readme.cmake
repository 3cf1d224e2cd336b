# cmake -DIN=<UTF-8 text> -DOUT=<file> -DVERSION=<version> [-DPLATFORM=window|page]
#       [-DICONV=<iconv program>] -P make_readme.cmake
# Writes the help text IN for one platform: the window program's (the
# default) or the page's. A paragraph that belongs to one of them stands
# between a line "#if window" or "#if page" and a line "#endif"; the other
# platform's paragraphs are left out and the marker lines dropped, so that
# what the window program reads holds no trace of them. The program's
# version stands in place of @TAMRISK_VERSION@. With ICONV the text is
# written with CR LF line ends in code page 932, as the help window reads
# it, and a character without a code page 932 form fails the build, so
# nothing is silently lost; without, as UTF-8 with LF line ends.
cmake_minimum_required(VERSION 3.22)
if(NOT PLATFORM)
  set(PLATFORM window)
endif()
if(NOT PLATFORM MATCHES "^(window|page)$")
  message(FATAL_ERROR "make_readme: PLATFORM must be window or page, not ${PLATFORM}")
endif()

file(READ "${IN}" source)
string(REPLACE "\r\n" "\n" source "${source}")
# Every marker starts a line: the text is searched with a line end before it.
set(rest "\n${source}")
set(text "")
while(TRUE)
  string(FIND "${rest}" "\n#if " start)
  string(FIND "${rest}" "\n#endif\n" stray)
  if(start EQUAL -1)
    if(NOT stray EQUAL -1)
      message(FATAL_ERROR "${IN}: #endif without #if")
    endif()
    string(APPEND text "${rest}")
    break()
  endif()
  if(NOT stray EQUAL -1 AND stray LESS start)
    message(FATAL_ERROR "${IN}: #endif without #if")
  endif()
  string(SUBSTRING "${rest}" 0 ${start} before)
  string(APPEND text "${before}")
  math(EXPR start "${start} + 1")
  string(SUBSTRING "${rest}" ${start} -1 rest)
  # rest: "#if <platform>\n<paragraphs>\n#endif\n..."
  string(FIND "${rest}" "\n" lineEnd)
  string(SUBSTRING "${rest}" 0 ${lineEnd} marker)
  if(NOT marker MATCHES "^#if (window|page)$")
    message(FATAL_ERROR "${IN}: unknown marker \"${marker}\"")
  endif()
  set(blockPlatform "${CMAKE_MATCH_1}")
  string(FIND "${rest}" "\n#endif\n" end)
  string(FIND "${rest}" "\n#if " nested)
  if(end EQUAL -1 OR (NOT nested EQUAL -1 AND nested LESS end))
    message(FATAL_ERROR "${IN}: \"${marker}\" without its #endif")
  endif()
  # The block's lines, each with the line end before it.
  math(EXPR blockLength "${end} - ${lineEnd}")
  string(SUBSTRING "${rest}" ${lineEnd} ${blockLength} block)
  if(blockPlatform STREQUAL PLATFORM)
    string(APPEND text "${block}")
  endif()
  # Go on with the line end of "#endif".
  math(EXPR end "${end} + 7")
  string(SUBSTRING "${rest}" ${end} -1 rest)
endwhile()
# The line end put before the text.
string(SUBSTRING "${text}" 1 -1 text)
string(REPLACE "@TAMRISK_VERSION@" "${VERSION}" text "${text}")

if(NOT ICONV)
  file(WRITE "${OUT}" "${text}")
  return()
endif()
string(REPLACE "\n" "\r\n" text "${text}")
set(crlf "${OUT}.utf8")
file(WRITE "${crlf}" "${text}")
execute_process(
  COMMAND "${ICONV}" -f UTF-8 -t CP932 "${crlf}"
  OUTPUT_FILE "${OUT}.tmp"
  RESULT_VARIABLE rc
  ERROR_VARIABLE err)
file(REMOVE "${crlf}")
if(NOT rc EQUAL 0)
  file(REMOVE "${OUT}.tmp")
  message(FATAL_ERROR "readme.txt: not convertible to code page 932: ${err}")
endif()
file(RENAME "${OUT}.tmp" "${OUT}")
