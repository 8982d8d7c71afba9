# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The AppStream metainfo validates (pedantic), is named after its id, says
# its licences, and describes the menu entry it names: its launchable is the
# desktop file, its media types are the desktop file's MimeType list and its
# binary is the program the entry starts. Run by CTest with -DAPPSTREAMCLI,
# -DMETAINFO and -DDESKTOP_FILE.
execute_process(COMMAND ${APPSTREAMCLI} validate --pedantic --no-net ${METAINFO}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate (${rc}):\n${out}\n${err}")
endif()

file(READ ${METAINFO} metainfo)
file(READ ${DESKTOP_FILE} desktop)
get_filename_component(desktopId ${DESKTOP_FILE} NAME)

function(matches outVar regex text)
  string(REGEX MATCHALL "${regex}" all "${text}")
  set(values)
  foreach(m ${all})
    string(REGEX REPLACE "${regex}" "\\1" value "${m}")
    list(APPEND values ${value})
  endforeach()
  list(SORT values)
  set(${outVar} "${values}" PARENT_SCOPE)
endfunction()

matches(ids "<id>([^<]+)</id>" "${metainfo}")
get_filename_component(metainfoName ${METAINFO} NAME)
if(NOT metainfoName STREQUAL "${ids}.metainfo.xml")
  message(FATAL_ERROR "the metainfo of ${ids} is named ${metainfoName}")
endif()
foreach(tag project_license metadata_license)
  if(NOT metainfo MATCHES "<${tag}>[^<]+</${tag}>")
    message(FATAL_ERROR "the metainfo has no <${tag}>")
  endif()
endforeach()

matches(launchables "<launchable type=\"desktop-id\">([^<]+)</launchable>" "${metainfo}")
matches(mediaTypes "<mediatype>([^<]+)</mediatype>" "${metainfo}")
matches(binaries "<binary>([^<]+)</binary>" "${metainfo}")
string(REGEX MATCH "\nMimeType=([^\n]*)" _ "${desktop}")
string(REPLACE ";" " " mimeList "${CMAKE_MATCH_1}")
string(STRIP "${mimeList}" mimeList)
string(REPLACE " " ";" mimeTypes "${mimeList}")
list(SORT mimeTypes)
string(REGEX MATCH "\nExec=([^ \n]+)" _ "${desktop}")
set(program ${CMAKE_MATCH_1})

if(NOT launchables STREQUAL desktopId)
  message(FATAL_ERROR "metainfo launchable [${launchables}], desktop file ${desktopId}")
endif()
if(NOT mediaTypes STREQUAL mimeTypes)
  message(FATAL_ERROR "metainfo media types [${mediaTypes}]\ndesktop MimeType [${mimeTypes}]")
endif()
if(NOT binaries STREQUAL program)
  message(FATAL_ERROR "metainfo binary [${binaries}], desktop Exec ${program}")
endif()
message(STATUS "metainfo valid and in step with ${desktopId}")
