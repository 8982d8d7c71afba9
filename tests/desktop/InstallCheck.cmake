# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a scratch prefix, checks that every file is in its
# standard place, then builds and runs a small project against the installed
# Sarv package. Run by CTest with -DBUILD_DIR, -DWORK_DIR, -DCONSUMER_DIR and
# -DGENERATOR, and builds the consumer with -DCONSUMER_COMPILER and
# -DCONSUMER_LINK_FLAGS.
file(REMOVE_RECURSE ${WORK_DIR})
set(prefix ${WORK_DIR}/prefix)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
endfunction()

run(${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix})

set(expected
  bin/velkor-player
  include/sarv/Variateur.h
  include/sarv/ControlFactory.h
  include/sarv/Gestion.h
  include/sarv/Library.h
  ${DESIGNER_PLUGIN_DIR}/libsarv-designer.so
  include/sarv/sarv_export.h
  share/applications/velkor-player.desktop
  share/icons/hicolor/scalable/apps/velkor-player.svg
  share/icons/hicolor/256x256/apps/velkor-player.png)
foreach(f ${expected})
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "missing after install: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE libs ${prefix}/libsarv.so.2*)
file(GLOB_RECURSE config ${prefix}/SarvConfig.cmake)
file(GLOB_RECURSE configVersion ${prefix}/SarvConfigVersion.cmake)
file(GLOB_RECURSE targets ${prefix}/SarvTargets.cmake)
foreach(var libs config configVersion targets)
  if(NOT ${var})
    message(FATAL_ERROR "missing after install: ${var}")
  endif()
endforeach()

# The PNG is 256 x 256: width and height are the big-endian words at 16 and 20.
file(READ ${prefix}/share/icons/hicolor/256x256/apps/velkor-player.png header HEX LIMIT 24)
string(SUBSTRING "${header}" 0 16 signature)
string(SUBSTRING "${header}" 32 16 size)
if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT size STREQUAL "0000010000000100")
  message(FATAL_ERROR "the icon is not a 256 x 256 PNG: ${header}")
endif()

# The installed program answers --version without a display.
run(${prefix}/bin/velkor-player --version)

# A project of its own finds Sarv::sarv and runs with the installed library,
# and loads the installed Designer plugin, which finds that library too.
run(${CMAKE_COMMAND} -S ${CONSUMER_DIR} -B ${WORK_DIR}/consumer -G ${GENERATOR}
    -DCMAKE_PREFIX_PATH=${prefix} -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_CXX_COMPILER=${CONSUMER_COMPILER} "-DCMAKE_EXE_LINKER_FLAGS=${CONSUMER_LINK_FLAGS}")
run(${CMAKE_COMMAND} --build ${WORK_DIR}/consumer)
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${WORK_DIR}/consumer/sarv-consumer
    ${prefix}/${DESIGNER_PLUGIN_DIR}/libsarv-designer.so)
message(STATUS "installation complete and usable")
