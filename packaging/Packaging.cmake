# The desktop entry, the icons and the Debian package. The program and its help
# page are installed by startup/.
include(GNUInstallDirs)

install(FILES ${CMAKE_CURRENT_LIST_DIR}/velmora.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 96 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/icons/velmora-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME velmora.png)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR VASTREL)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ahorcado de títulos de películas")
set(CPACK_PACKAGE_DESCRIPTION
  "Juego del ahorcado en español: adivine el título de la película letra a letra, o escriba el título entero y júguese la partida.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER VASTREL)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps reads the Qt, sound and C++ libraries the program links to;
# the X11 platform and picture format plugins come with those Qt packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The package carries the program without its debugging symbols.
set(CPACK_STRIP_FILES ON)
include(CPack)
