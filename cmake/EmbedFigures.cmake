# Writes a C++ source holding the box's figure files, in the order box.txt lists them, so
# that the program carries them and needs no data folder to find them. Configuring again
# after a figure file or the list changes rewrites it.
function(wendrel_embed_figures folder output)
  set(list_file ${folder}/box.txt)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file})
  file(STRINGS ${list_file} names REGEX "^[a-z0-9-]+$")
  set(entries "")
  list(LENGTH names count)
  foreach(name IN LISTS names)
    set(file ${folder}/${name}.wendrel-figure)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} text)
    string(APPEND entries "    {\"${name}\", R\"wendrelfigure(${text})wendrelfigure\"},\n")
  endforeach()
  file(CONFIGURE OUTPUT ${output} CONTENT
"// Written by CMake from shapes/figures/ (cmake/EmbedFigures.cmake); do not edit.
#include \"io/figure_box_texts.h\"

#include <array>

namespace wendrel {

std::span<const BoxFigureText> BoxFigureTexts() {
  static constexpr std::array<BoxFigureText, @count@> texts{{
@entries@  }};
  return texts;
}

}  // namespace wendrel
" @ONLY)
endfunction()
