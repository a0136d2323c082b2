# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Sums the resident size of two /proc/PID/smaps files (the program's, then the
# bare window's) by what each mapping serves, and prints them side by side
# with their difference, one line per part, unsorted.
# Usage: awk -f memory-breakdown.awk PROGRAM_SMAPS BARE_SMAPS | sort -t'|' -k2 -gr

function part(name) {
  if (name ~ /libQt6/) return "Qt libraries"
  if (name ~ /lib(harfbuzz|freetype|fontconfig|expat|graphite2|brotli)|\/fonts\/|fontconfig\/.*cache/) return "text: HarfBuzz, FreeType, fontconfig, system faces"
  if (name ~ /lib(pulse|sndfile|mpg123|mp3lame|vorbis|FLAC|opus|ogg|asyncns)|memfd:pulseaudio/) return "sound: PulseAudio client, libmpg123, libsndfile and its codecs"
  if (name ~ /lib(png|jpeg)|imageformats/) return "pictures: PNG library, image format plugins"
  if (name ~ /memfd:xorg|SYSV/) return "window image shared with the X server"
  if (name == "[heap]" || name == "[anon]") return "heap and other anonymous memory"
  if (name == "[stack]") return "stack"
  if (name == program) return "the program file (code, faces, clips, pictures)"
  return "other libraries"
}

# Each process's own executable is its first mapping of a file.
FNR == 1 { file++; program = "" }
/^[0-9a-f]+-[0-9a-f]+ / {
  name = $6 == "" ? "[anon]" : $6
  if (program == "" && name ~ /^\//) program = name
  current = part(name)
  next
}
/^Rss:/ { rss[file, current] += $2; seen[current] = 1 }

END {
  for (p in seen)
    printf "  %-54s %9.1f %9.1f|%+9.1f\n", p, rss[1, p] / 1024, rss[2, p] / 1024, (rss[1, p] - rss[2, p]) / 1024
}
