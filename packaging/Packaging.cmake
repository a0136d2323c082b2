# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry, the icons, the software-centre metadata, the manual pages,
# the package's own documents and the Debian package. The program and its help
# page are installed by startup/.

set(velmora_id org.vastrel.Velmora)
set(velmora_maintainer "VASTREL <velmora@vastrel.example>")
set(velmora_homepage https://vastrel.example/velmora/)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velmora_id}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/${velmora_id}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The icons are named after the application, as desktops and sandboxes look
# them up; the program carries the same pictures under their own names.
foreach(size 16 32 48 96 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/velmora-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME ${velmora_id}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/velmora.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  RENAME ${velmora_id}.svg)

# Debian wants manual pages and the changelog compressed, at the highest level
# and without a time stamp in the gzip header, so the same sources always make
# the same bytes.
find_program(VELMORA_GZIP gzip REQUIRED)
set(velmora_packaging_dir ${PROJECT_BINARY_DIR}/packaging)
set(velmora_compressed)
foreach(pair "velmora.6:man/velmora.6.gz" "velmora.es.6:man/es/velmora.6.gz" "changelog:changelog.gz")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 target)
  get_filename_component(target_dir ${velmora_packaging_dir}/${target} DIRECTORY)
  add_custom_command(OUTPUT ${velmora_packaging_dir}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${target_dir}
    COMMAND ${VELMORA_GZIP} -9n -c ${CMAKE_CURRENT_LIST_DIR}/${source} > ${velmora_packaging_dir}/${target}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
    VERBATIM)
  list(APPEND velmora_compressed ${velmora_packaging_dir}/${target})
endforeach()
add_custom_target(velmora_compressed_documents ALL DEPENDS ${velmora_compressed})

install(FILES ${velmora_packaging_dir}/man/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${velmora_packaging_dir}/man/es/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${velmora_packaging_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR VASTREL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "hangman game with film titles, in Spanish")
# Debian shows the long description as written: lines of at most 80
# characters, paragraphs apart by an empty line.
set(CPACK_PACKAGE_DESCRIPTION
"Velmora is a hangman game in Spanish: guess the title of a film letter by
letter before the figure on the gallows is hanged, or type the whole title
and stake the round on it.

Five hundred film titles, eight strike boxes, a running score and six sound
cues that can be switched off. The game and its help page are in Spanish;
the manual page is in Spanish and in English.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${velmora_maintainer})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${velmora_homepage})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps reads the Qt, sound and C++ libraries the program links to;
# the X11 platform and picture format plugins come with those Qt packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)

# The package installs under /usr with the program in games/, as Debian keeps
# its games; the program finds its help page by the layout it was configured
# with, so a tree configured otherwise would make a package that contradicts
# its own manual page. packaging/make-deb.sh (`make deb`) configures it right.
set(CPACK_VELMORA_CONFIGURED_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_VELMORA_CONFIGURED_BINDIR ${CMAKE_INSTALL_BINDIR})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackLayoutCheck.cmake)
# The lintian notes go into the Debian package alone, and the program leaves
# it without the compiler's notes.
set(CPACK_VELMORA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianStaging.cmake)
include(CPack)
