# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# Read by cpack before it makes each package. The Debian package installs
# under /usr with the program in games/; the program was configured with the
# layout it looks for its help page in, and the manual page names that place,
# so a build tree configured for another layout cannot make the package.
if(CPACK_GENERATOR STREQUAL "DEB"
   AND NOT (CPACK_VELMORA_CONFIGURED_PREFIX STREQUAL "/usr" AND CPACK_VELMORA_CONFIGURED_BINDIR STREQUAL "games"))
  message(FATAL_ERROR "This build tree installs the program into "
    "${CPACK_VELMORA_CONFIGURED_PREFIX}/${CPACK_VELMORA_CONFIGURED_BINDIR}; the Debian package needs a tree "
    "configured with -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games, as `make deb` "
    "(packaging/make-deb.sh) makes it.")
endif()
