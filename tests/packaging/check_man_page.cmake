# Keeps a manual page true to its program: the options that the page's OPTIONS section
# describes must be exactly those that the program's --help names, the page must render
# without a complaint from man, and its heading must carry the project's version.
# Usage: cmake -DPROGRAM=<program> -DPAGE=<page.6> -DVERSION=<x.y.z> -P check_man_page.cmake

# Option names as they are written: one or two dashes and a letter, after a blank, an
# opening bracket or quote, or a comma, so that "built-in" or "-2147483648" is no option.
# Brackets become blanks first: in a CMake list they would hold the entries together.
function(option_names text out)
  string(REGEX REPLACE "[][]" " " text "${text}")
  string(REGEX MATCHALL "[\n\t \"(,]--?[A-Za-z][-A-Za-z0-9]*" found "\n${text}")
  set(names)
  foreach(match IN LISTS found)
    string(SUBSTRING "${match}" 1 -1 name)
    list(APPEND names ${name})
  endforeach()
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

execute_process(COMMAND ${PROGRAM} --help RESULT_VARIABLE rc OUTPUT_VARIABLE help)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed (${rc})")
endif()
option_names("${help}" in_help)

# In the page, each option is the tag line after a .TP in the OPTIONS section. Font escapes
# and the escaped minus of roff are taken away first.
file(READ ${PAGE} page)
string(REGEX REPLACE "\\\\f[BIRP]" "" page "${page}")
string(REPLACE "\\-" "-" page "${page}")
string(FIND "${page}" "\n.SH OPTIONS\n" start)
if(start EQUAL -1)
  message(FATAL_ERROR "${PAGE} has no OPTIONS section")
endif()
math(EXPR start "${start} + 1")
string(SUBSTRING "${page}" ${start} -1 options)
string(FIND "${options}" "\n.SH " end)
string(SUBSTRING "${options}" 0 ${end} options)
string(REGEX MATCHALL "\n\\.TP\n[^\n]*" tags "${options}")
option_names("${tags}" in_page)

set(undocumented ${in_help})
set(unknown ${in_page})
if(in_page)
  list(REMOVE_ITEM undocumented ${in_page})
endif()
if(in_help)
  list(REMOVE_ITEM unknown ${in_help})
endif()
if(NOT in_help OR undocumented OR unknown)
  message(SEND_ERROR "${PAGE} and --help disagree: --help names [${in_help}], the page "
    "[${in_page}]; missing from the page: [${undocumented}]; not in --help: [${unknown}]")
endif()

# man as lintian runs it: any message on the standard error is a fault of the page.
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
    man --warnings -E UTF-8 -l -Tutf8 -Z ${PAGE}
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE complaints)
if(NOT rc EQUAL 0 OR complaints)
  message(SEND_ERROR "man complains about ${PAGE} (${rc}):\n${complaints}")
endif()

file(STRINGS ${PAGE} heading REGEX "^\\.TH ")
if(NOT heading MATCHES "\"Wendrel ${VERSION}\"")
  message(SEND_ERROR "${PAGE} is headed '${heading}', not for Wendrel ${VERSION}")
endif()
