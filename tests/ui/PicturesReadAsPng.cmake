# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when the program's sources read one of its resource pictures other
# than through readPngPicture: QPixmap, QImage or QIcon made straight from a
# ":/..." path, or a picture's load() from one, lets Qt guess the format and
# so load every image format plugin for the rest of the run.
#   cmake -DSOURCE_DIR=... -P PicturesReadAsPng.cmake
if(NOT SOURCE_DIR)
  message(FATAL_ERROR "usage: cmake -DSOURCE_DIR=<sources> -P PicturesReadAsPng.cmake")
endif()

set(resource_path [[(QStringLiteral|QString::fromLatin1|QLatin1String)?[ ]*\(?[ ]*":/]])
set(direct_read "(QPixmap|QImage|QIcon)[ ]*[A-Za-z_0-9]*[ ]*[({][ ]*${resource_path}|\\.load[ ]*\\([ ]*${resource_path}")

set(offences "")
set(checked 0)
foreach(folder game ui sound startup)
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.cpp" "${SOURCE_DIR}/${folder}/*.h")
  foreach(source IN LISTS sources)
    math(EXPR checked "${checked} + 1")
    file(STRINGS "${source}" lines ENCODING UTF-8 REGEX "${direct_read}")
    foreach(line IN LISTS lines)
      string(STRIP "${line}" line)
      # Comments may name what they warn against.
      if(line MATCHES "^(//|\\*)")
        continue()
      endif()
      file(RELATIVE_PATH name "${SOURCE_DIR}" "${source}")
      string(APPEND offences "\n  ${name}: ${line}")
    endforeach()
  endforeach()
endforeach()

if(checked EQUAL 0)
  message(FATAL_ERROR "no sources found under ${SOURCE_DIR}")
endif()
if(offences)
  message(FATAL_ERROR "read these pictures with readPngPicture (ui/painting/PngPicture.h):${offences}")
endif()
message(STATUS "${checked} source files read their pictures as PNG")
