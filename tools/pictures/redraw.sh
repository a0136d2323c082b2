#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds draw_pictures on its own in a temporary folder and redraws every picture
# and the program icon into assets/. Commit the result: the test in
# tests/pictures checks that the committed pictures are what the tool draws.
set -euo pipefail

here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

cat > "$work/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(draw_pictures LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
set(CMAKE_CXX_STANDARD_REQUIRED ON)
find_package(Qt6 6.4 REQUIRED COMPONENTS Gui)
qt_standard_project_setup()
add_subdirectory("$here" pictures)
CMAKE

cmake -S "$work" -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$work/build" -j2 --target draw_pictures > /dev/null
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$work/runtime" "$work/build/pictures/draw_pictures" "$repo/assets"
echo "Redrew the pictures in $repo/assets/pictures and the icons in $repo/assets/icons"
