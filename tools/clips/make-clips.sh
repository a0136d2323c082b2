#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
# Synthesises the game's six sound clips with sox, encodes the three MPEG ones
# with lame and writes assets/sounds/101.wav ... 106.wav.
#
#   tools/clips/make-clips.sh [output-folder]
#
# Every clip is built from a few plain voices (sine, triangle, square,
# sawtooth, plucked string, noise) that are shaped, placed in time and mixed.
# The exact lengths matter: the sound bank's tests and the game's timing rely
# on the sizes of the data chunks, so riff.py checks them before writing.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here/../../assets/sounds}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

rate=44100

# Repeatable mode seeds sox's noise and dither the same way on every run, so
# running this script again gives byte-identical clips.
sox() {
  command sox -R "$@"
}

# note NAME START SECONDS TYPE FREQUENCY GAIN [effect...]
# One voice, synthesised in stereo, first brought down by GAIN dB (so that the
# filters after it have room and never clip), then shaped by
# the given effects and delayed by START seconds to be mixed with the others.
# Work files hold 32-bit floats, so nothing is dithered or clipped on the way.
note() {
  local name=$1 start=$2 seconds=$3 type=$4 frequency=$5 gain=$6
  shift 6
  sox -r "$rate" -c 2 -n -e floating-point -b 32 "$work/$name.wav" \
    synth "$seconds" "$type" "$frequency" gain "$gain" "$@" pad "$start"
}

# mix NAME VOICE... [-- effect...]
# Mixes voices of any length (the shorter ones end in silence) and applies
# the effects after the "--" to the sum. Half a second of silence is added
# first so that a reverberation rings out instead of being cut off.
mix() {
  local name=$1
  shift
  local inputs=()
  while [ $# -gt 0 ] && [ "$1" != -- ]; do
    inputs+=("$work/$1.wav")
    shift
  done
  [ $# -gt 0 ] && shift
  sox -m "${inputs[@]}" -e floating-point -b 32 "$work/$name.wav" pad 0 0.5 "$@"
}

# finish NAME LEAD SAMPLES: cuts or pads the mix to exactly SAMPLES sample
# frames, fades 4 ms in and 20 ms out so the clip starts and ends without a
# click, sets the peak to -3 dBFS (which leaves the MPEG encoder headroom) and
# puts LEAD samples of silence in front.
finish() {
  local name=$1 lead=$2 samples=$3
  local have
  have=$(soxi -s "$work/$name.wav")
  local fit=(trim 0 "${samples}s")
  [ "$have" -lt "$samples" ] && fit=(pad 0 "$((samples - have))s")
  sox "$work/$name.wav" -r "$rate" -c 2 -b 16 -e signed-integer "$work/$name.final.wav" \
    "${fit[@]}" fade t 0.004 "${samples}s" 0.02 gain -n -3 pad "${lead}s"
}

# pcm CLIP NAME DATA_BYTES
pcm() {
  local clip=$1 name=$2 bytes=$3
  finish "$name" 0 $((bytes / 4))
  sox "$work/$name.final.wav" -t raw "$work/$name.raw"
  python3 "$here/riff.py" pcm "$work/$name.raw" "$out/$clip.wav" --data-bytes "$bytes"
}

# mpeg CLIP NAME FRAMES DATA_BYTES FACT LEAD
# At 160 kbit/s and 44100 Hz a frame is 522 or 523 bytes, and which frames
# get the extra byte is the encoder's choice. lame pads more of the first
# frames than the clips need for some lengths, so LEAD frames of silence can
# be put in front and dropped again after encoding; "--nores" keeps every
# frame independent of the ones before it, which is what makes dropping them
# safe. lame emits ceil(samples / 1152) + 1 frames (its 576-sample delay
# spills into one more frame), so (FRAMES - 1) * 1152 samples of sound fill
# exactly FRAMES frames. "-t" leaves out the Info frame.
mpeg() {
  local clip=$1 name=$2 frames=$3 bytes=$4 fact=$5 lead=$6
  finish "$name" $((lead * 1152)) $(((frames - 1) * 1152))
  lame --quiet -t --nores --cbr -b 160 -m j -q 2 --noreplaygain \
    "$work/$name.final.wav" "$work/$name.mp3"
  python3 "$here/riff.py" mpeg "$work/$name.mp3" "$out/$clip.wav" --skip-frames "$lead" \
    --frames "$frames" --data-bytes "$bytes" --fact "$fact"
}

# 101, the seventh wrong letter: a worried "uh-oh", the second note sagging
# and wobbling, one strike before the end.
note uh   0.03 0.28 square   587.33 -12 lowpass 1600 fade q 0.02 0.28 0.10
note uhs  0.03 0.28 sine     587.33  -6 fade q 0.02 0.28 0.10
note oh   0.36 0.86 square   493.88-459 -12 lowpass 1400 tremolo 6 35 fade q 0.03 0.86 0.35
note ohs  0.36 0.86 sine     493.88-459  -6 tremolo 6 35 fade q 0.03 0.86 0.35
mix warning uh uhs oh ohs -- gain -6 reverb 20 50 30
mpeg 101 warning 51 26645 44100 0

# 102, a new title laid out: the rattle of a projector starting, then a
# short brass call rising to a held major chord.
sox -r "$rate" -c 2 -n -b 16 "$work/reel.wav" synth 0.34 whitenoise synth 0.34 square amod 22 \
  sinc 1500-6000 gain -14 fade t 0.01 0.34 0.08
for step in "g 0.30 392.00" "c 0.40 523.25" "e 0.50 659.25"; do
  set -- $step
  note "call$1" "$2" 0.11 sawtooth "$3"  -6 lowpass 2600 fade q 0.012 0.11 0.04
done
note top   0.60 0.52 sawtooth 783.99  -6 lowpass 3000 fade q 0.015 0.52 0.30
note mid   0.60 0.52 sawtooth 659.25 -10 lowpass 2600 fade q 0.015 0.52 0.30
note low   0.60 0.52 sawtooth 523.25 -10 lowpass 2400 fade q 0.015 0.52 0.30
note shine 0.60 0.52 sine     1567.98 -14 tremolo 9 40 fade q 0.015 0.52 0.35
mix fanfare reel callg callc calle top mid low shine -- gain -6 reverb 25 50 40
mpeg 102 fanfare 44 22988 44100 0

# 103, the round lost: three falling muted-brass "wah"s, the last one sinking
# further and wobbling out.
note wah1 0.00 0.22 sawtooth 392.00  -8 lowpass 1100 fade q 0.07 0.22 0.08
note wah2 0.22 0.22 sawtooth 369.99  -8 lowpass 1000 fade q 0.07 0.22 0.08
note wah3 0.44 0.46 sawtooth 349.23-293.66 -8 lowpass 900 tremolo 7 45 fade q 0.07 0.46 0.25
note body 0.00 0.90 sine     174.61-146.83 -14 fade q 0.05 0.90 0.3
mix fall wah1 wah2 wah3 body -- gain -6 reverb 15 50 30
pcm 103 fall 159232

# 104, a wrong letter: a short low buzz that drops in pitch over a soft thud.
note buzz 0.00 0.36 square 130-80  -6 lowpass 700 fade q 0.005 0.36 0.22
note thud 0.00 0.26 sine   95-45  -1 fade q 0.003 0.26 0.20
mix miss buzz thud -- gain -6 reverb 10 50 20
pcm 104 miss 94208

# 105, the round won: a plucked arpeggio climbing an octave into a bright,
# shimmering major chord with a sparkle on top.
steps=("0.00 523.25" "0.09 659.25" "0.18 783.99" "0.27 1046.50")
for i in "${!steps[@]}"; do
  set -- ${steps[$i]}
  note "pluck$i" "$1" 0.45 pluck "$2"  -2 fade q 0.003 0.45 0.25
  note "bell$i"  "$1" 0.30 sine  "$2"  -8 fade q 0.003 0.30 0.25
done
note chordc  0.40 1.15 triangle 1046.50  -6 tremolo 5 20 fade q 0.02 1.15 0.80
note chorde  0.40 1.15 triangle 1318.51  -8 tremolo 5 20 fade q 0.02 1.15 0.80
note chordg  0.40 1.15 triangle 1567.98  -8 tremolo 5 20 fade q 0.02 1.15 0.80
note chordlo 0.40 1.15 sine     523.25  -4 fade q 0.02 1.15 0.80
note sparkle 0.42 0.50 sine     2637.02 -16 tremolo 12 60 fade q 0.005 0.50 0.40
mix won pluck0 bell0 pluck1 bell1 pluck2 bell2 pluck3 bell3 \
  chordc chorde chordg chordlo sparkle -- gain -6 reverb 30 50 50
pcm 105 won 285184

# 106, a letter found: a bright two-note "di-ding" of a small bell.
note di    0.00 0.09 sine 1318.51  -6 fade q 0.002 0.09 0.06
note ding  0.07 0.68 sine 1975.53  -1 fade q 0.002 0.68 0.64
note ding2 0.07 0.68 sine 3951.07 -14 fade q 0.002 0.68 0.45
note ding3 0.07 0.30 sine 5452.00 -22 fade q 0.002 0.30 0.28
mix found di ding ding2 ding3 -- gain -6 reverb 20 50 30
mpeg 106 found 30 15673 0 2

echo "Wrote $(cd "$out" && ls 10[1-6].wav | tr '\n' ' ')to $out"
