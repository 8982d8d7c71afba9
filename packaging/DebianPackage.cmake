# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian packages that `make package` builds through CPack's DEB generator.
# Included at the end of the top-level CMakeLists.txt, once every install rule
# exists. Each install component goes into exactly one package:
#
#   component    package        holds
#   Player       velkor-player  program, menu entry, icon, metainfo, man page
#   Runtime      libsarv2       libsarv.so.2
#   Development  libsarv-dev    headers, libsarv.so, the CMake package Sarv
#   Designer     libsarv-dev    the slider's Qt Designer plugin
#
# A component that is not in this table stops the configuration, so a new
# install rule cannot silently fall out of the packages. Rules without a
# component ("Unspecified") serve `make install` only; packaging/CMakeLists.txt
# repeats them under their package's component.
set(VELKOR_PACKAGE_OF_COMPONENT
  Player      velkor-player
  Runtime     libsarv2
  Development libsarv-dev
  Designer    libsarv-dev)

set(VELKOR_PACKAGE_MAINTAINER
  "Velkor Player maintainers <maintainers@users.noreply.c-seed-c4b08e46.example>"
  CACHE STRING "Maintainer field of the Debian packages")

get_cmake_property(installComponents COMPONENTS)
set(CPACK_COMPONENTS_ALL)
foreach(component IN LISTS installComponents)
  if(component STREQUAL "Unspecified")
    continue()
  endif()
  list(FIND VELKOR_PACKAGE_OF_COMPONENT ${component} at)
  math(EXPR packageAt "${at} + 1")
  if(at LESS 0 OR at GREATER_EQUAL packageAt)
    message(FATAL_ERROR "install component '${component}' belongs to no Debian package: "
      "add it to VELKOR_PACKAGE_OF_COMPONENT in packaging/DebianPackage.cmake")
  endif()
  list(GET VELKOR_PACKAGE_OF_COMPONENT ${packageAt} package)
  string(TOUPPER ${component} upper)
  set(CPACK_COMPONENT_${upper}_GROUP ${package})
  list(APPEND CPACK_COMPONENTS_ALL ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velkor-player)
set(CPACK_PACKAGE_VENDOR "Velkor Player")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VELKOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_INSTALL_DIRECTORY velkor-player)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SOURCE velkor-player)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${VELKOR_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies are read from the binaries by dpkg-shlibdeps. It finds
# libsarv in its own package's staging tree, whose place cpack only knows when
# it runs (cpack -B moves it): DebianPackageRun.cmake sets it then.
# The library package is named after its SONAME (libsarv.so.2: libsarv2).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(VELKOR_PACKAGE_LIBDIR ${CMAKE_INSTALL_LIBDIR})
configure_file(${CMAKE_CURRENT_LIST_DIR}/DebianPackageRun.cmake.in
  ${PROJECT_BINARY_DIR}/DebianPackageRun.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/DebianPackageRun.cmake)

set(exactVersion "(= ${PROJECT_VERSION})")

# The player: libsarv at its own version; Qt's X11 platform plugin and Qt's
# French texts, which no library link reveals; a General MIDI SoundFont for the
# MIDI synthesiser. Mesa is only recommended: the video is drawn by libmpv's
# software renderer, and Qt's X11 plugin opens OpenGL only when a window asks.
set(CPACK_DEBIAN_VELKOR-PLAYER_PACKAGE_NAME velkor-player)
set(CPACK_DEBIAN_VELKOR-PLAYER_PACKAGE_SECTION video)
set(CPACK_DEBIAN_VELKOR-PLAYER_PACKAGE_DEPENDS
  "libsarv2 ${exactVersion}, qt6-qpa-plugins, qt6-translations-l10n, fluid-soundfont-gm | timgm6mb-soundfont")
set(CPACK_DEBIAN_VELKOR-PLAYER_PACKAGE_RECOMMENDS "libgl1-mesa-dri")
set(CPACK_DEBIAN_VELKOR-PLAYER_DESCRIPTION
"media player with a French user interface
Velkor Player plays audio and video files and video CDs. It keeps a playlist,
saved and loaded as .lst files, plays it in order or at random, seeks, sets
volume and left/right balance, sizes the video, and remembers the playlist and
its options between runs. The desktop's media keys and MPRIS clients drive it.")

get_target_property(sarvDescription sarv SARV_DESCRIPTION)
set(CPACK_DEBIAN_LIBSARV2_PACKAGE_NAME libsarv2)
set(CPACK_DEBIAN_LIBSARV2_PACKAGE_SECTION libs)
# The symbols file and the shlibs file let programs built against libsarv
# depend on libsarv2 at least at the version that has every symbol they use
# (only libsarv2 holds a library with a SONAME). The linker cache is refreshed
# through dpkg's ldconfig trigger. libsarv2 is co-installable for several
# architectures (Multi-Arch: same): its library lies in the multiarch folder,
# and its other files are the same bytes on every architecture. CPack knows no
# Multi-Arch field and adds maintainer scripts that call ldconfig, which the
# trigger makes redundant: FinishPackages.cmake mends both once cpack is done.
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
set(CPACK_DEBIAN_LIBSARV2_PACKAGE_CONTROL_EXTRA
  ${CMAKE_CURRENT_LIST_DIR}/libsarv2/triggers ${PROJECT_BINARY_DIR}/packaging/libsarv2/symbols)
set(CPACK_VELKOR_MULTIARCH_SAME libsarv2)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/FinishPackages.cmake)
set(CPACK_DEBIAN_LIBSARV2_DESCRIPTION
"Sarv slider control library for Qt 6 Widgets
${sarvDescription}: Sarv provides Variateur, a horizontal slider whose
gradient face follows its value, with an optional 3-D border and a shaded
thumb, and Gestion, its property page. Any Qt 6 Widgets application can create
both by class name (Sarv.Variateur, Sarv.Gestion) through the library's
control factory.
.
This package contains the shared library.")

set(CPACK_DEBIAN_LIBSARV-DEV_PACKAGE_NAME libsarv-dev)
set(CPACK_DEBIAN_LIBSARV-DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_LIBSARV-DEV_PACKAGE_DEPENDS "libsarv2 ${exactVersion}, qt6-base-dev")
set(CPACK_DEBIAN_LIBSARV-DEV_DESCRIPTION
"Sarv slider control library for Qt 6 Widgets - development files
${sarvDescription}: Sarv provides Variateur, a horizontal slider whose
gradient face follows its value, and Gestion, its property page.
.
This package contains the headers, the CMake package Sarv
(find_package(Sarv) gives the target Sarv::sarv) and the Qt Designer plugin
that puts the slider in Designer's widget box.")

include(CPack)
