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

# Exactly these files, so a stray install rule elsewhere in the tree shows up here. Debian
# keeps games in /usr/games.
set(wanted
  ./usr/games/wendrel
  ./usr/games/wendrel-gen
  ./usr/share/man/man6/wendrel.6.gz
  ./usr/share/man/man6/wendrel-gen.6.gz
  ./usr/share/doc/wendrel/copyright
  ./usr/share/doc/wendrel/changelog.gz
  ./usr/share/applications/org.example.Wendrel.desktop
  ./usr/share/metainfo/org.example.Wendrel.metainfo.xml
  ./usr/share/mime/packages/wendrel.xml
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
set(root ${WORK}/root)
run(${root}/usr/games/wendrel --version)
string(STRIP "${out}" version)
if(NOT version STREQUAL "Wendrel 2.00")
  message(SEND_ERROR "wendrel --version printed '${version}'")
endif()
run(${root}/usr/games/wendrel-gen --seed 1)
if(NOT out MATCHES "^{")
  message(SEND_ERROR "wendrel-gen --seed 1 printed '${out}'")
endif()

# The menu entry as installed must still be valid and start the program the package holds.
set(entry ${root}/usr/share/applications/org.example.Wendrel.desktop)
run(desktop-file-validate ${entry})
if(out MATCHES ": (error|warning|hint): ")
  message(SEND_ERROR "the installed menu entry does not validate:\n${out}")
endif()
file(STRINGS ${entry} exec REGEX "^Exec=")
string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" command "${exec}")
if(NOT command STREQUAL "/usr/games/wendrel" OR NOT EXISTS ${root}${command})
  message(SEND_ERROR "the menu entry runs '${exec}', not the game in the package")
endif()

# The changelog's latest release is the version the package declares.
run(gzip -dc ${root}/usr/share/doc/wendrel/changelog.gz)
file(WRITE ${WORK}/changelog "${out}")
run(dpkg-parsechangelog -l ${WORK}/changelog -S Version)
string(STRIP "${out}" released)
if(NOT released STREQUAL "2.0.0")
  message(SEND_ERROR "the changelog's latest release is '${released}', the package is 2.0.0")
endif()
