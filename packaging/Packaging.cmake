# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop entry, the icons, the software-centre metadata, the manual pages
# and the copyright file and changelog, which the Debian source package in
# debian/ keeps. The program and its help page are installed by startup/.

set(velmora_id org.vastrel.Velmora)

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
foreach(pair "packaging/velmora.6:man/velmora.6.gz" "packaging/velmora.es.6:man/es/velmora.6.gz"
             "debian/changelog:changelog.gz")
  string(REPLACE ":" ";" pair ${pair})
  list(GET pair 0 source)
  list(GET pair 1 target)
  get_filename_component(target_dir ${velmora_packaging_dir}/${target} DIRECTORY)
  add_custom_command(OUTPUT ${velmora_packaging_dir}/${target}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${target_dir}
    COMMAND ${VELMORA_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/${source} > ${velmora_packaging_dir}/${target}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source}
    VERBATIM)
  list(APPEND velmora_compressed ${velmora_packaging_dir}/${target})
endforeach()
add_custom_target(velmora_compressed_documents ALL DEPENDS ${velmora_compressed})

install(FILES ${velmora_packaging_dir}/man/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${velmora_packaging_dir}/man/es/velmora.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/es/man6)
install(FILES ${PROJECT_SOURCE_DIR}/debian/copyright ${velmora_packaging_dir}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
