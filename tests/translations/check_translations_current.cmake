# Keeps the .ts files current: lupdate, run as `make translations` runs it on copies of them,
# must find nothing to add and nothing to take away. A text added to the program, changed
# or removed without `make translations` shows up here.
# Usage: cmake -DLUPDATE=<lupdate> -DARGS=<lupdate_args.cmake> -DWORK=<scratch dir>
#          -P check_translations_current.cmake

include(${ARGS})  # TS_FILES, SOURCES, OPTIONS
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  configure_file(${ts} ${WORK}/${name} COPYONLY)
  list(APPEND copies ${WORK}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${copies}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${rc}):\n${out}${err}")
endif()

foreach(ts IN LISTS TS_FILES)
  get_filename_component(name ${ts} NAME)
  file(READ ${ts} committed)
  file(READ ${WORK}/${name} current)
  if(NOT committed STREQUAL current)
    message(SEND_ERROR "${ts} is not current: run `make translations`, then translate what "
      "it marks unfinished. lupdate said:\n${out}")
  endif()
endforeach()
