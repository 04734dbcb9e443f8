# The Debian copyright file restates LICENSE in its own format; this keeps the two the same:
# the same holders and years, and word for word the same licence text.
# Usage: cmake -DCOPYRIGHT=<packaging/copyright> -DLICENSE=<LICENSE> -P check_copyright.cmake

file(READ ${LICENSE} license)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" notice "${license}")
set(holders "${CMAKE_MATCH_1}")
string(REGEX MATCH "Permission is hereby granted.*" terms "${license}")
string(STRIP "${terms}" terms)

file(READ ${COPYRIGHT} copyright)
if(NOT copyright MATCHES "(^|\n)Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n")
  message(SEND_ERROR "${COPYRIGHT} does not declare the machine-readable format")
endif()
if(NOT copyright MATCHES "\nFiles: \\*\nCopyright: ${holders}\nLicense: Expat\n")
  message(SEND_ERROR "${COPYRIGHT} does not give all files to '${holders}' under Expat")
endif()

# The stand-alone licence paragraph: its text lines are indented by one blank, and an empty
# line is written as " .".
string(REGEX MATCH "\n\nLicense: Expat\n(( [^\n]*\n?)+)" paragraph "${copyright}")
set(text "${CMAKE_MATCH_1}")
string(REGEX REPLACE "(^|\n) \\.(\n|$)" "\\1\\2" text "${text}")
string(REGEX REPLACE "(^|\n) " "\\1" text "${text}")
string(STRIP "${text}" text)
if(NOT text STREQUAL terms)
  message(SEND_ERROR "the licence text in ${COPYRIGHT} differs from ${LICENSE}:\n${text}")
endif()
