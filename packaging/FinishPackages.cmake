# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by cpack once the packages are built (CPACK_POST_BUILD_SCRIPTS): the
# packages named in CPACK_VELKOR_MULTIARCH_SAME get the field Multi-Arch: same
# and lose the postinst and postrm that CPack writes to call ldconfig, since
# their ldconfig trigger does that work. Their files are left as they are.
cmake_policy(SET CMP0057 NEW)
find_program(DPKG_DEB dpkg-deb REQUIRED)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${err}")
  endif()
endfunction()

foreach(deb IN LISTS CPACK_PACKAGE_FILES)
  get_filename_component(name ${deb} NAME)
  string(REGEX REPLACE "_.*" "" package "${name}")
  if(NOT package IN_LIST CPACK_VELKOR_MULTIARCH_SAME)
    continue()
  endif()
  set(tree ${deb}.tree)
  file(REMOVE_RECURSE ${tree})
  run(${DPKG_DEB} --raw-extract ${deb} ${tree})
  foreach(script postinst postrm)
    if(EXISTS ${tree}/DEBIAN/${script})
      file(READ ${tree}/DEBIAN/${script} text)
      # Only the scripts CPack generated, which do nothing but call ldconfig.
      string(REGEX REPLACE "#[^\n]*|set -e|if \\[ \"\\$1\" = \"[a-z]+\" \\]; then|fi|ldconfig|[ \t\n]" ""
        rest "${text}")
      if(rest STREQUAL "")
        file(REMOVE ${tree}/DEBIAN/${script})
      endif()
    endif()
  endforeach()
  file(READ ${tree}/DEBIAN/control control)
  if(NOT control MATCHES "\nMulti-Arch:")
    string(STRIP "${control}" control)
    file(WRITE ${tree}/DEBIAN/control "${control}\nMulti-Arch: same\n")
  endif()
  run(${DPKG_DEB} --root-owner-group --build ${tree} ${deb})
  file(REMOVE_RECURSE ${tree})
endforeach()
