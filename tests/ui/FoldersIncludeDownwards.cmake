# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a folder of ui/ includes a folder listed after it below, the
# window, start-up code, or a folder missing from the list: so no two folders
# ever include each other (docs/DESIGN.md, "The window's folders").
#   cmake -DSOURCE_DIR=... -P FoldersIncludeDownwards.cmake
cmake_minimum_required(VERSION 3.25)
set(order painting input screenreader desktop dialogs)
file(GLOB folders LIST_DIRECTORIES true RELATIVE "${SOURCE_DIR}/ui" "${SOURCE_DIR}/ui/*")
set(offences "")
foreach(folder IN LISTS folders)
  if(IS_DIRECTORY "${SOURCE_DIR}/ui/${folder}" AND NOT folder IN_LIST order)
    string(APPEND offences "\n  ui/${folder}/ is not in the folders' order")
  endif()
endforeach()
foreach(folder IN LISTS order)
  list(FIND order ${folder} rank)
  file(GLOB sources "${SOURCE_DIR}/ui/${folder}/*.cpp" "${SOURCE_DIR}/ui/${folder}/*.h")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]*)\".*" "\\1" included "${line}")
      string(REGEX MATCH "^[^/]+/" into "${included}")
      string(REPLACE "/" "" into "${into}")
      list(FIND order "${into}" into_rank)
      if(included MATCHES "^frmVelmora" OR EXISTS "${SOURCE_DIR}/startup/${included}"
         OR (into AND (into_rank EQUAL -1 OR into_rank GREATER rank)))
        file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
        string(APPEND offences "\n  ${name}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()
if(offences)
  string(JOIN ", " listed ${order})
  message(FATAL_ERROR "these includes go against the folders' order (${listed}):${offences}")
endif()
