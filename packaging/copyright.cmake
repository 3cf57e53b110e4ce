# Writes the Debian copyright file (machine-readable format 1.0) from the
# project's LICENSE, so that the package states the same terms and holder.
#   cmake -DLICENSE=... -DOUTPUT=... -DNAME=... -DCONTACT=... -DSOURCE=...
#         -P copyright.cmake
# LICENSE holds the MIT licence: a title line, the line
# "Copyright (c) YEAR HOLDER", then the licence's paragraphs.
foreach(var LICENSE OUTPUT NAME CONTACT SOURCE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "copyright.cmake: ${var} is not set")
  endif()
endforeach()

file(STRINGS "${LICENSE}" lines)
set(notice "")
set(body "")
foreach(line IN LISTS lines)
  if(notice STREQUAL "")
    if(line MATCHES "^Copyright \\(c\\) (.+)$")
      set(notice "${CMAKE_MATCH_1}")
    endif()
  elseif(line STREQUAL "")
    # An empty line inside a field is written as a lone full stop.
    string(APPEND body " .\n")
  else()
    string(APPEND body " ${line}\n")
  endif()
endforeach()
if(notice STREQUAL "")
  message(FATAL_ERROR "${LICENSE}: no line \"Copyright (c) YEAR HOLDER\"")
endif()
# The line after the notice is empty: drop its full stop.
string(REGEX REPLACE "^ \\.\n" "" body "${body}")
string(REGEX REPLACE "\n$" "" body "${body}")

# Debian calls the MIT licence text used here "Expat".
file(WRITE "${OUTPUT}" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: ${NAME}
Upstream-Contact: ${CONTACT}
Source: ${SOURCE}

Files: *
Copyright: ${notice}
License: Expat

License: Expat
${body}
")
