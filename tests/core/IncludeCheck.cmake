# SPDX-FileCopyrightText: 2026 Velkor Player developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a file of a layer of the player includes a header it may not.
#   LAYER_DIR  the folder of the layer
#   FORBIDDEN  a regular expression matching the include lines it may not have
#   WHAT       what the failure says the layer must not reach
file(GLOB sources ${LAYER_DIR}/*.h ${LAYER_DIR}/*.cpp)
set(failures "")
foreach(source ${sources})
  file(STRINGS ${source} lines REGEX "${FORBIDDEN}")
  foreach(line ${lines})
    string(APPEND failures "\n  ${source}: ${line}")
  endforeach()
endforeach()
if(failures)
  message(FATAL_ERROR "${LAYER_DIR} includes ${WHAT}:${failures}")
endif()
list(LENGTH sources count)
message(STATUS "${count} files of ${LAYER_DIR} checked")
