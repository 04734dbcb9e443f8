# Icon themes choose a file by the folder it is filed under and Windows by the size an
# .ico entry declares, so each picture must really have that size, and none may be missing.
# Usage: cmake -DICONS=<packaging/icons> -P check_icon_sizes.cmake

set(sizes 16 32 48 64 128 256)

# A PNG starts with its 8-byte signature, then the IHDR chunk: length, "IHDR", width, height
# (big-endian 32-bit each).
function(png_size file out)
  file(READ ${file} head LIMIT 24 HEX)
  string(SUBSTRING "${head}" 0 16 signature)
  string(SUBSTRING "${head}" 24 8 chunk)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT chunk STREQUAL "49484452")
    message(FATAL_ERROR "${file} is not a PNG")
  endif()
  string(SUBSTRING "${head}" 32 8 w)
  string(SUBSTRING "${head}" 40 8 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  set(${out} "${w}x${h}" PARENT_SCOPE)
endfunction()

file(GLOB pngs RELATIVE ${ICONS}/hicolor ${ICONS}/hicolor/*/apps/*.png)
set(folders)
foreach(png IN LISTS pngs)
  string(REGEX MATCH "^[^/]+" folder ${png})
  list(APPEND folders ${folder})
  png_size(${ICONS}/hicolor/${png} size)
  if(NOT size STREQUAL folder)
    message(SEND_ERROR "hicolor/${png} is ${size}")
  endif()
endforeach()

set(wanted)
foreach(n IN LISTS sizes)
  list(APPEND wanted "${n}x${n}")
endforeach()
list(SORT folders COMPARE NATURAL)
if(NOT folders STREQUAL wanted)
  message(SEND_ERROR "hicolor holds PNGs for [${folders}], expected [${wanted}]")
endif()

# An .ico header is reserved (2 bytes), type 1 (2), count (2), then 16 bytes per entry
# starting with width and height bytes.
file(READ ${ICONS}/wendrel.ico ico HEX)
string(SUBSTRING "${ico}" 0 12 header)
if(NOT header STREQUAL "000001000300")
  message(FATAL_ERROR "wendrel.ico does not start as an icon file with three entries: ${header}")
endif()
set(entries)
foreach(i RANGE 2)
  math(EXPR at "12 + ${i} * 32")
  string(SUBSTRING "${ico}" ${at} 4 wh)
  string(SUBSTRING "${wh}" 0 2 w)
  string(SUBSTRING "${wh}" 2 2 h)
  math(EXPR w "0x${w}")
  math(EXPR h "0x${h}")
  list(APPEND entries "${w}x${h}")
endforeach()
if(NOT entries STREQUAL "16x16;32x32;48x48")
  message(SEND_ERROR "wendrel.ico holds [${entries}], expected [16x16;32x32;48x48]")
endif()
