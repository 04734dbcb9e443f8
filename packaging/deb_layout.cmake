# Run by cpack on the staged files of the .deb, before it packs them. Debian keeps games in
# /usr/games, while an install into a prefix of one's own (cmake --install --prefix DIR)
# keeps the programs in DIR/bin, where the user's PATH looks; so only the .deb moves them.
# /usr/games is on the PATH of a player's session but not on root's, so the menu entry names
# the game by its full path.

set(usr ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(bin ${usr}/${CPACK_WENDREL_BINDIR})
set(games ${usr}/games)

# A build configured with CMAKE_INSTALL_BINDIR=games has them there already.
if(NOT bin STREQUAL games)
  file(GLOB programs RELATIVE ${bin} ${bin}/*)
  if(NOT programs)
    message(FATAL_ERROR "deb_layout: no programs staged in ${bin}")
  endif()
  file(MAKE_DIRECTORY ${games})
  foreach(program IN LISTS programs)
    file(RENAME ${bin}/${program} ${games}/${program})
  endforeach()
  file(REMOVE_RECURSE ${bin})
endif()

set(entry ${usr}/share/applications/org.example.Wendrel.desktop)
file(READ ${entry} text)
string(REPLACE "\nExec=wendrel %f\n" "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/wendrel %f\n"
  placed "${text}")
if(placed STREQUAL text)
  message(FATAL_ERROR "deb_layout: ${entry} has no line 'Exec=wendrel %f'")
endif()
file(WRITE ${entry} "${placed}")
