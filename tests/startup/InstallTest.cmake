# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built program with DESTDIR into a fresh temporary folder, as a
# packager does, and checks that every file lands where the build's install
# folders say, that nothing only the Debian package carries is installed, and
# that the installed program finds the help page installed beside it.
# Run with -DBUILD_DIR=... -DDESTDIR=... -DBINDIR=... -DDATADIR=... -DDOCDIR=...
# -DMANDIR=... (the full install folders) -DPROBE=... -P InstallTest.cmake.
foreach(var BUILD_DIR DESTDIR BINDIR DATADIR DOCDIR MANDIR PROBE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "InstallTest.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${DESTDIR})
set(ENV{DESTDIR} ${DESTDIR})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR}
  RESULT_VARIABLE result OUTPUT_QUIET)
unset(ENV{DESTDIR})
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(expected
  ${BINDIR}/velmora
  ${DATADIR}/velmora/ayuda.html
  ${DATADIR}/velmora/ayuda.css
  ${DATADIR}/applications/org.vastrel.Velmora.desktop
  ${DATADIR}/metainfo/org.vastrel.Velmora.metainfo.xml
  ${DATADIR}/icons/hicolor/scalable/apps/org.vastrel.Velmora.svg
  ${MANDIR}/man6/velmora.6.gz
  ${MANDIR}/es/man6/velmora.6.gz
  ${DOCDIR}/copyright
  ${DOCDIR}/changelog.gz)
foreach(size 16 32 48 96 128 256)
  list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/org.vastrel.Velmora.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${DESTDIR}${file})
    message(FATAL_ERROR "not installed: ${file}")
  endif()
endforeach()
execute_process(COMMAND test -x ${DESTDIR}${BINDIR}/velmora RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the installed program is not executable")
endif()

# Only the files above, and nothing outside DESTDIR: a file there that the
# list lacks is one a distribution would not expect, such as the Debian
# package's own lintian notes on a system without lintian.
file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${DESTDIR} ${DESTDIR}/*)
foreach(file ${installed})
  list(FIND expected /${file} index)
  if(index EQUAL -1)
    message(FATAL_ERROR "installed but not expected: /${file}")
  endif()
endforeach()

# The installed program finds the page through where it lies relative to it,
# whatever folder the tree was installed into.
execute_process(COMMAND ${PROBE} ${DESTDIR}${BINDIR}
  RESULT_VARIABLE result OUTPUT_VARIABLE address OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0 OR NOT address STREQUAL "file://${DESTDIR}${DATADIR}/velmora/ayuda.html")
  message(FATAL_ERROR "the installed program would open '${address}'")
endif()

file(REMOVE_RECURSE ${DESTDIR})
message(STATUS "installed and checked ${expected}")
