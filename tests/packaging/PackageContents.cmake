# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian packages with cpack into WORK_DIR/debs (the other package
# tests use them), then checks what they hold against a plain installation:
#   - the packages together hold exactly the files `cmake --install` puts, plus
#     each package's copyright and changelog, so no install rule falls out of
#     the packages or lands elsewhere in them;
#   - dependencies were read from the binaries, and libsarv2 declares its
#     library for the programs built against it (shlibs and symbols);
#   - the library and the CMake package lie in the multiarch folder, libsarv2
#     is Multi-Arch: same, and no maintainer script calls ldconfig (the
#     trigger does).
# Run by CTest with -DBUILD_DIR, -DWORK_DIR, -DVERSION and -DLIBDIR.
cmake_policy(SET CMP0057 NEW)
file(REMOVE_RECURSE ${WORK_DIR})
set(debs ${WORK_DIR}/debs)

function(run outVar)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(${outVar} "${out}" PARENT_SCOPE)
endfunction()

run(out cpack --config ${BUILD_DIR}/CPackConfig.cmake -B ${debs})
run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)

set(packages velkor-player libsarv2 libsarv-dev)
file(GLOB built RELATIVE ${debs} ${debs}/*.deb)
list(SORT built)
set(expected)
foreach(p ${packages})
  list(APPEND expected ${p}_${VERSION}_${arch}.deb)
endforeach()
list(SORT expected)
if(NOT built STREQUAL expected)
  message(FATAL_ERROR "cpack built [${built}], expected [${expected}]")
endif()

# Paths in the packages, without the leading "./" and without directories.
set(packaged)
foreach(p ${packages})
  run(listing dpkg-deb --contents ${debs}/${p}_${VERSION}_${arch}.deb)
  string(REPLACE "\n" ";" lines "${listing}")
  set(docs)
  foreach(line ${lines})
    if(line MATCHES "^[-l][^ ]* .* \\./([^ ]+)( -> .*)?$")
      set(path ${CMAKE_MATCH_1})
      list(APPEND packaged ${path})
      if(path MATCHES "^usr/share/doc/${p}/")
        list(APPEND docs ${path})
      endif()
    endif()
  endforeach()
  list(SORT docs)
  if(NOT docs STREQUAL "usr/share/doc/${p}/changelog.gz;usr/share/doc/${p}/copyright")
    message(FATAL_ERROR "${p}: documentation files are [${docs}]")
  endif()
  list(REMOVE_ITEM packaged ${docs})
endforeach()
list(SORT packaged)
list(REMOVE_DUPLICATES packaged)

set(plainRoot ${WORK_DIR}/plain)
run(out ${CMAKE_COMMAND} -E env DESTDIR=${plainRoot}
  ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${plainRoot} ${plainRoot}/*)
list(SORT installed)

set(missing ${installed})
list(REMOVE_ITEM missing ${packaged})
set(extra ${packaged})
list(REMOVE_ITEM extra ${installed})
if(missing OR extra)
  message(FATAL_ERROR "installed but in no package: [${missing}]\n"
    "in a package but not installed: [${extra}]")
endif()

# Fields read from the binaries, one row per package and dependency.
set(dependsRows
  "velkor-player|libsarv2 (= ${VERSION})"
  "velkor-player|libmpv2"
  "velkor-player|libqt6widgets6"
  "velkor-player|libqt6dbus6"
  "libsarv2|libqt6widgets6"
  "libsarv-dev|libsarv2 (= ${VERSION})")
foreach(row ${dependsRows})
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 p)
  list(GET row 1 dependency)
  run(depends dpkg-deb --field ${debs}/${p}_${VERSION}_${arch}.deb Depends)
  string(FIND "${depends}" "${dependency}" at)
  if(at LESS 0)
    message(FATAL_ERROR "${p} does not depend on ${dependency}: ${depends}")
  endif()
endforeach()

set(control ${WORK_DIR}/libsarv2-control)
run(out dpkg-deb --control ${debs}/libsarv2_${VERSION}_${arch}.deb ${control})
file(READ ${control}/shlibs shlibs)
if(NOT shlibs MATCHES "^libsarv 2 libsarv2 \\(>= ${VERSION}\\)")
  message(FATAL_ERROR "libsarv2 shlibs: ${shlibs}")
endif()
file(READ ${control}/triggers triggers)
if(NOT triggers MATCHES "activate-noawait ldconfig")
  message(FATAL_ERROR "libsarv2 triggers: ${triggers}")
endif()
if(NOT EXISTS ${control}/symbols)
  message(FATAL_ERROR "libsarv2 has no symbols file")
endif()
file(READ ${control}/symbols symbols)
if(NOT symbols MATCHES "^libsarv\\.so\\.2 libsarv2 #MINVER#\n.*\n _ZN4sarv")
  message(FATAL_ERROR "libsarv2 symbols: ${symbols}")
endif()

run(multiarch dpkg-architecture -qDEB_HOST_MULTIARCH)
string(STRIP "${multiarch}" multiarch)
if(NOT LIBDIR STREQUAL "lib/${multiarch}")
  message(FATAL_ERROR "libraries go into ${LIBDIR}, not lib/${multiarch}")
endif()
foreach(path usr/lib/${multiarch}/libsarv.so.2 usr/lib/${multiarch}/libsarv.so
             usr/lib/${multiarch}/cmake/Sarv/SarvConfig.cmake)
  if(NOT path IN_LIST packaged)
    message(FATAL_ERROR "${path} is in no package")
  endif()
endforeach()
run(multiArch dpkg-deb --field ${debs}/libsarv2_${VERSION}_${arch}.deb Multi-Arch)
if(NOT multiArch STREQUAL "same\n")
  message(FATAL_ERROR "libsarv2 is Multi-Arch: '${multiArch}', not same")
endif()
foreach(p ${packages})
  file(REMOVE_RECURSE ${WORK_DIR}/control)
  run(out dpkg-deb --control ${debs}/${p}_${VERSION}_${arch}.deb ${WORK_DIR}/control)
  foreach(script preinst postinst prerm postrm)
    if(EXISTS ${WORK_DIR}/control/${script})
      file(READ ${WORK_DIR}/control/${script} text)
      if(text MATCHES "ldconfig")
        message(FATAL_ERROR "the ${script} of ${p} calls ldconfig:\n${text}")
      endif()
    endif()
  endforeach()
endforeach()
message(STATUS "packages built and complete: ${built}")
