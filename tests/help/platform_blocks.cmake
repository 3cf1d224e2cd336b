# cmake -DMAKE_README=<help/make_readme.cmake> -DWORK=<folder> -P platform_blocks.cmake
# The help text's paragraphs for one platform: each platform's text is the
# shared lines and its own blocks, without the marker lines; a marker that
# is not closed, or closed without being opened, or unknown, fails.
cmake_minimum_required(VERSION 3.22)
file(MAKE_DIRECTORY "${WORK}")

function(make_help name source platform)
  file(WRITE "${WORK}/${name}.in" "${source}")
  execute_process(
    COMMAND "${CMAKE_COMMAND}" -DIN=${WORK}/${name}.in -DOUT=${WORK}/${name}.out -DVERSION=9.9
            -DPLATFORM=${platform} -P "${MAKE_README}"
    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
  # CMake wraps its messages: one blank for each run of blanks and line ends.
  string(REGEX REPLACE "[ \n]+" " " err "${err}")
  set(rc "${rc}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(expect name source platform wanted)
  make_help(${name} "${source}" ${platform})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${name}: failed: ${err}")
  endif()
  file(READ "${WORK}/${name}.out" got)
  if(NOT got STREQUAL wanted)
    message(FATAL_ERROR "${name}:\n--- wanted\n${wanted}--- got\n${got}---")
  endif()
endfunction()

function(expect_failure name source reason)
  make_help(${name} "${source}" window)
  if(rc EQUAL 0 OR NOT err MATCHES "${reason}")
    message(FATAL_ERROR "${name}: wanted a failure naming \"${reason}\", got ${rc}: ${err}")
  endif()
endfunction()

set(source "title Ver @TAMRISK_VERSION@\n■ 概要\nshared\n#if window\nwindow 1\n\nwindow 2\n#endif\n#if page\npage #1\n#endif\n#ifdef is text\nlast\n#if page\npage at the end\n#endif\n")
expect(window "${source}" window "title Ver 9.9\n■ 概要\nshared\nwindow 1\n\nwindow 2\n#ifdef is text\nlast\n")
expect(page "${source}" page "title Ver 9.9\n■ 概要\nshared\npage #1\n#ifdef is text\nlast\npage at the end\n")
expect(none "plain\n#endif is text too\n" window "plain\n#endif is text too\n")
expect_failure(unclosed "a\n#if page\nb\n" "without its #endif")
expect_failure(nested "a\n#if page\n#if window\nb\n#endif\n#endif\n" "without its #endif")
expect_failure(stray "a\n#endif\nb\n" "#endif without #if")
expect_failure(unknown "a\n#if mobile\nb\n#endif\n" "unknown marker")
