#!/usr/bin/env python3
"""Writes N WAV files for the command-line benchmark.

Each file is a PCM WAV of the given size: a 16-byte "fmt " chunk (44.1 kHz,
stereo, 16 bit) and a "data" chunk filling the rest. The audio is left as a
hole (a sparse file) unless --dense is given, so making thousands of files is
quick; the tools under test read only the first 4 KiB either way.
With --rf64 one RF64 file is written instead, its "data" size in "ds64".
With --walk one file "walk.wav" is written whose chunk walk is long: after
the "fmt " chunk a "data" chunk of size 0 (a recorder that stopped before
finishing its header), then either zeros (a hole unless --dense) or empty
8-byte "JUNK" chunks up to --size.
"""
import argparse
import os
import struct


def fmt_chunk():
    return b"fmt " + struct.pack("<IHHIIHH", 16, 1, 2, 44100, 176400, 4, 16)


def wave_header(size):
    data_size = size - 44
    return b"RIFF" + struct.pack("<I", size - 8) + b"WAVE" + fmt_chunk() + b"data" + struct.pack("<I", data_size)


def rf64_header(size):
    ds64 = b"ds64" + struct.pack("<IQQQI", 28, size - 8, size - 80, (size - 80) // 4, 0)
    return (b"RF64" + struct.pack("<I", 0xFFFFFFFF) + b"WAVE" + ds64 + fmt_chunk()
            + b"data" + struct.pack("<I", 0xFFFFFFFF))


def write_file(path, header, size, dense):
    with open(path, "wb") as out:
        out.write(header)
        if dense:
            block = bytes(range(256)) * 256
            left = size - len(header)
            while left > 0:
                out.write(block[:left])
                left -= min(left, len(block))
        else:
            out.truncate(size)


def write_walk(path, kind, size, dense):
    riff_size = min(size - 8, 0xFFFFFFFF)
    header = b"RIFF" + struct.pack("<I", riff_size) + b"WAVE" + fmt_chunk() + b"data" + struct.pack("<I", 0)
    with open(path, "wb") as out:
        out.write(header)
        if kind == "zeros" and not dense:
            out.truncate(size)
            return
        block = (b"\0" * 8 if kind == "zeros" else b"JUNK" + struct.pack("<I", 0)) * (1 << 17)
        left = size - len(header)
        while left > 0:
            out.write(block[:left])
            left -= min(left, len(block))


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder")
    parser.add_argument("count", type=int)
    parser.add_argument("--size", type=int, default=1 << 20, help="bytes per file (default 1 MiB)")
    parser.add_argument("--dense", action="store_true", help="write the audio bytes instead of a hole")
    parser.add_argument("--rf64", action="store_true", help="write one RF64 file of --size bytes")
    parser.add_argument("--walk", choices=["zeros", "chunks"], help="write one walk.wav of --size bytes")
    args = parser.parse_args()

    os.makedirs(args.folder, exist_ok=True)
    if args.walk:
        write_walk(os.path.join(args.folder, "walk.wav"), args.walk, args.size, args.dense)
        return
    if args.rf64:
        path = os.path.join(args.folder, "big.wav")
        write_file(path, rf64_header(args.size), args.size, args.dense)
        return
    for i in range(args.count):
        path = os.path.join(args.folder, "take%05d.wav" % i)
        write_file(path, wave_header(args.size), args.size, args.dense)


if __name__ == "__main__":
    main()
