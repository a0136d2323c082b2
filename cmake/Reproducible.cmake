# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later

# No folder of the machine that builds the program ends up inside it: the
# compiler writes the names of source and generated files (in __FILE__ and in
# the debugging information) relative to the source and build folders. The
# same sources built in two folders then make the same program, down to its
# build id.
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-ffile-prefix-map=/velmora=. VELMORA_HAS_FILE_PREFIX_MAP)
if(VELMORA_HAS_FILE_PREFIX_MAP)
  # The last map that matches a name applies, so the build folder, which may
  # lie inside the source folder, comes second.
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

# moc's files include the headers they were made from by a path relative to
# the build folder unless told where the headers are found; told, they name
# them as the sources do, and the path between the two folders stays out.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)
