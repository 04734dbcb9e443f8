# The menu entry and the software-centre listing speak every language the program speaks.
# Usage: cmake -DTRANSLATIONS=<folder of wendrel_*.ts> -DDESKTOP=<.desktop>
#          -DMETAINFO=<.metainfo.xml> -P check_listing_translations.cmake

file(GLOB ts_files ${TRANSLATIONS}/wendrel_*.ts)
file(READ ${DESKTOP} desktop)
file(READ ${METAINFO} metainfo)
foreach(ts IN LISTS ts_files)
  string(REGEX REPLACE ".*wendrel_([a-z]+)\\.ts$" "\\1" lang "${ts}")
  foreach(key GenericName Comment Keywords)
    if(NOT desktop MATCHES "\n${key}\\[${lang}\\]=[^\n]+")
      message(SEND_ERROR "${DESKTOP} has no ${key}[${lang}]")
    endif()
  endforeach()
  foreach(element summary p li keyword)
    string(REGEX MATCHALL "<${element}>" english "${metainfo}")
    string(REGEX MATCHALL "<${element} xml:lang=\"${lang}\">" translated "${metainfo}")
    list(LENGTH english n)
    list(LENGTH translated m)
    if(NOT n EQUAL m OR NOT metainfo MATCHES "<lang percentage=\"100\">${lang}</lang>")
      message(SEND_ERROR "${METAINFO}: ${n} <${element}> in English, ${m} in ${lang}, "
        "or ${lang} not among its languages")
    endif()
  endforeach()
endforeach()
if(NOT ts_files)
  message(SEND_ERROR "no wendrel_*.ts in ${TRANSLATIONS}")
endif()
