# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the built program into a fresh temporary prefix and checks that
# every file lands in its place, that the desktop entry validates and that the
# installed program, in the games folder, finds the help page installed under
# share/.
# Run with -DBUILD_DIR=... -DPREFIX=... -DPROBE=... -P InstallTest.cmake.
foreach(var BUILD_DIR PREFIX PROBE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "InstallTest.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  games/velmora
  share/velmora/ayuda.html
  share/velmora/ayuda.css
  share/applications/org.vastrel.Velmora.desktop
  share/metainfo/org.vastrel.Velmora.metainfo.xml
  share/man/man6/velmora.6.gz
  share/man/es/man6/velmora.6.gz
  share/doc/velmora/copyright
  share/doc/velmora/changelog.gz
  share/lintian/overrides/velmora)
foreach(size 16 32 48 96 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/velmora.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${PREFIX}/${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${PREFIX}/games/velmora RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program is not executable")
endif()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/org.vastrel.Velmora.desktop
  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0 OR NOT output STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${output}")
endif()

execute_process(COMMAND ${PROBE} ${PREFIX}/games
  RESULT_VARIABLE result OUTPUT_VARIABLE address OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0 OR NOT address STREQUAL "file://${PREFIX}/share/velmora/ayuda.html")
  message(FATAL_ERROR "the installed program would open '${address}'")
endif()

file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed and checked ${expected}")
