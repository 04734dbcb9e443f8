# Runs Debian's own package checks on the .deb that packaging.deb built, and fails on any
# error or warning. Informational tags are shown but allowed; an overridden tag is shown
# too, so that the log tells what was let through (the override file says why).
# Usage: cmake -DWORK=<the scratch dir of packaging.deb> -P check_lintian.cmake

file(GLOB debs ${WORK}/wendrel_*.deb)
list(LENGTH debs n)
if(NOT n EQUAL 1)
  message(FATAL_ERROR "expected one package in ${WORK}, found [${debs}]")
endif()

execute_process(
  COMMAND lintian --fail-on error,warning --display-info --show-overrides
    --tag-display-limit 0 ${debs}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
message("${out}")
if(NOT rc EQUAL 0 OR out MATCHES "(^|\n)[EW]: ")
  message(FATAL_ERROR "lintian rejects the package (exit status ${rc}, tags above)\n${err}")
endif()
