# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by cpack on the files of the Debian package once they are staged and
# before they are packed: what only the Debian package carries or needs.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
  return()
endif()
set(root ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})

# The compiler's version notes are of no use in an installed program; Debian
# strips them as dh_strip does.
file(GLOB programs ${root}/games/*)
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_VELMORA_STRIP} --remove-section=.comment --remove-section=.note ${program}
    RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "could not strip ${program}")
  endif()
endforeach()

# lintian's notes on the package, which no other system reads.
file(MAKE_DIRECTORY ${root}/share/lintian/overrides)
file(COPY_FILE ${CMAKE_CURRENT_LIST_DIR}/lintian-overrides ${root}/share/lintian/overrides/velmora)
