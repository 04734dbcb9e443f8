# Builds the .deb the way a release is built, then checks what it declares, what it holds,
# and that the programs unpacked from it start on their own, away from the build tree.
# Usage: cmake -DCPACK=<cpack> -DCONFIG=<CPackConfig.cmake> -DWORK=<scratch dir> -P check_deb.cmake

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run(${CPACK} -G DEB --config ${CONFIG} -B ${WORK})

run(dpkg --print-architecture)
string(STRIP "${out}" arch)
set(deb ${WORK}/wendrel_2.0.0_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${WORK}/*.deb)
  message(FATAL_ERROR "no ${deb}; cpack made [${made}]")
endif()

# The control fields a package manager acts on.
foreach(field "Package: wendrel" "Version: 2.0.0" "Section: games" "Architecture: ${arch}")
  string(REGEX MATCH "^[^:]+" name "${field}")
  run(dpkg-deb --field ${deb} ${name})
  string(STRIP "${out}" value)
  if(NOT "${name}: ${value}" STREQUAL field)
    message(SEND_ERROR "expected '${field}', the package says '${name}: ${value}'")
  endif()
endforeach()
run(dpkg-deb --field ${deb} Depends)
foreach(qt libqt6core6 libqt6gui6 libqt6widgets6)
  if(NOT out MATCHES "(^|, )${qt} ")
    message(SEND_ERROR "Depends lacks ${qt}: ${out}")
  endif()
endforeach()

# Exactly these files, so a stray install rule elsewhere in the tree shows up here.
set(wanted
  ./usr/bin/wendrel
  ./usr/bin/wendrel-gen
  ./usr/share/applications/org.example.Wendrel.desktop
  ./usr/share/metainfo/org.example.Wendrel.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/wendrel.svg)
foreach(n 16 32 48 64 128 256)
  list(APPEND wanted ./usr/share/icons/hicolor/${n}x${n}/apps/wendrel.png)
endforeach()
run(dpkg-deb --contents ${deb})
string(REGEX MATCHALL "(^|\n)-[^\n]* \\./[^\n]*" lines "${out}")
set(held)
foreach(line IN LISTS lines)
  string(REGEX REPLACE ".* (\\./.*)$" "\\1" path "${line}")
  list(APPEND held ${path})
endforeach()
set(extra ${held})
set(missing ${wanted})
list(REMOVE_ITEM extra ${wanted})
list(REMOVE_ITEM missing ${held})
if(extra OR missing)
  message(SEND_ERROR "the package holds the unexpected [${extra}] and lacks [${missing}]")
endif()

run(dpkg-deb --extract ${deb} ${WORK}/root)
run(${WORK}/root/usr/bin/wendrel --version)
string(STRIP "${out}" version)
if(NOT version STREQUAL "Wendrel 2.00")
  message(SEND_ERROR "wendrel --version printed '${version}'")
endif()
run(${WORK}/root/usr/bin/wendrel-gen --seed 1)
if(NOT out MATCHES "^{")
  message(SEND_ERROR "wendrel-gen --seed 1 printed '${out}'")
endif()
