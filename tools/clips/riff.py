#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 VASTREL
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the game's clips into WAV containers byte by byte.

The sound bank expects every clip in an exact layout (which chunks, in which
order, with which header fields), so the container is written here rather
than left to an encoder whose header habits may change between versions.

    riff.py pcm  RAW  OUT --data-bytes N
        RAW is 16-bit little-endian stereo PCM at 44100 Hz without a header.
    riff.py mpeg MP3  OUT --frames N --data-bytes N --fact N [--skip-frames K]
        MP3 is a CBR 160 kbit/s stream from lame; any ID3 tag, the
        Xing/Info frame and the first K audio frames are removed before the
        frames are wrapped. The K frames must be silent lead-in encoded
        without bit reservoir, so that the rest decodes on its own.

Each command refuses to write a clip whose data does not have the size the
game was built for, so a change of encoder cannot slip through unnoticed.
"""

import argparse
import struct
import sys

RATE = 44100
CHANNELS = 2
MPEG_BITRATE = 160000
MPEG_SAMPLES_PER_FRAME = 1152
MPEG_BLOCK_SIZE = 522
MPEG_CODEC_DELAY = 1393
MPEG_FLAG_PADDING_OFF = 2
MPEG_ID = 1


def chunk(tag: bytes, body: bytes) -> bytes:
    # RIFF chunks start on even offsets, so an odd body is followed by one pad
    # byte that the chunk's size does not count.
    pad = b"\0" if len(body) % 2 else b""
    return tag + struct.pack("<I", len(body)) + body + pad


def riff(chunks: list) -> bytes:
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def strip_tags(stream: bytes) -> bytes:
    if stream.startswith(b"ID3"):
        # ID3v2: a 10-byte header whose size field holds 7 bits per byte.
        size = 0
        for b in stream[6:10]:
            size = (size << 7) | (b & 0x7F)
        footer = 10 if stream[5] & 0x10 else 0
        stream = stream[10 + size + footer:]
    if len(stream) >= 128 and stream[-128:-125] == b"TAG":
        stream = stream[:-128]
    return stream


def frame_length(header: int) -> int:
    if header >> 21 != 0x7FF:
        raise ValueError("lost MPEG frame sync")
    version = (header >> 19) & 3
    layer = (header >> 17) & 3
    bitrate_index = (header >> 12) & 0xF
    rate_index = (header >> 10) & 3
    padding = (header >> 9) & 1
    if version != 3 or layer != 1:
        raise ValueError("not an MPEG-1 Layer III frame")
    if bitrate_index != 10 or rate_index != 0:
        raise ValueError("frame is not 160 kbit/s at 44100 Hz")
    return 144 * MPEG_BITRATE // RATE + padding


def split_frames(stream: bytes) -> list:
    frames = []
    pos = 0
    while pos < len(stream):
        if len(stream) - pos < 4:
            raise ValueError("trailing bytes after the last frame")
        length = frame_length(int.from_bytes(stream[pos:pos + 4], "big"))
        frames.append(stream[pos:pos + length])
        pos += length
    if pos != len(stream):
        raise ValueError("last frame is truncated")
    return frames


def is_info_frame(frame: bytes) -> bool:
    # lame writes its Xing ("Info" for CBR) header into a silent first frame,
    # after the side information, which is 32 bytes long for stereo MPEG-1.
    return frame[36:40] in (b"Xing", b"Info")


def write_pcm(args) -> None:
    data = open(args.input, "rb").read()
    if len(data) != args.data_bytes:
        sys.exit(f"{args.input}: {len(data)} bytes of PCM, expected {args.data_bytes}")
    block_align = CHANNELS * 2
    fmt = struct.pack("<HHIIHH", 1, CHANNELS, RATE, RATE * block_align, block_align, 16)
    open(args.output, "wb").write(riff([chunk(b"fmt ", fmt), chunk(b"data", data)]))


def write_mpeg(args) -> None:
    frames = split_frames(strip_tags(open(args.input, "rb").read()))
    if frames and is_info_frame(frames[0]):
        frames = frames[1:]
    frames = frames[args.skip_frames:]
    data = b"".join(frames)
    if len(frames) != args.frames or len(data) != args.data_bytes:
        sys.exit(f"{args.input}: {len(frames)} frames in {len(data)} bytes, "
                 f"expected {args.frames} frames in {args.data_bytes}")
    fmt = struct.pack("<HHIIHHHHIHHH",
                      0x0055, CHANNELS, RATE, MPEG_BITRATE // 8, 1, 0,
                      12, MPEG_ID, MPEG_FLAG_PADDING_OFF,
                      MPEG_BLOCK_SIZE, 1, MPEG_CODEC_DELAY)
    fact = struct.pack("<I", args.fact)
    open(args.output, "wb").write(
        riff([chunk(b"fmt ", fmt), chunk(b"fact", fact), chunk(b"data", data)]))


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    sub = parser.add_subparsers(dest="coding", required=True)
    pcm = sub.add_parser("pcm")
    pcm.add_argument("input")
    pcm.add_argument("output")
    pcm.add_argument("--data-bytes", type=int, required=True)
    pcm.set_defaults(run=write_pcm)
    mpeg = sub.add_parser("mpeg")
    mpeg.add_argument("input")
    mpeg.add_argument("output")
    mpeg.add_argument("--frames", type=int, required=True)
    mpeg.add_argument("--data-bytes", type=int, required=True)
    mpeg.add_argument("--fact", type=int, required=True)
    mpeg.add_argument("--skip-frames", type=int, default=0)
    mpeg.set_defaults(run=write_mpeg)
    args = parser.parse_args()
    try:
        args.run(args)
    except ValueError as error:
        sys.exit(f"{args.input}: {error}")


if __name__ == "__main__":
    main()
