# cmake -DIN=<UTF-8 text> -DOUT=<file> -DICONV=<iconv program> -DVERSION=<version>
#       -P make_readme.cmake
# Writes IN to OUT with CR LF line ends in code page 932, the program's
# version in place of @TAMRISK_VERSION@. Fails when a character has no code
# page 932 form, so nothing is silently lost.
file(READ "${IN}" text)
string(REPLACE "@TAMRISK_VERSION@" "${VERSION}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
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
