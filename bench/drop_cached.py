#!/usr/bin/env python3
"""Drops the WAV files of a folder from the page cache, so that the next run
reads them from the disk as a first pass over an archive would.

Each file is written back first (fsync): changed pages cannot be dropped.
Only the contents go; names and inodes stay cached, as after a listing.
Usage: drop_cached.py FOLDER
"""
import os
import sys


def main():
    folder = sys.argv[1]
    for name in os.listdir(folder):
        if not name.endswith(".wav"):
            continue
        fd = os.open(os.path.join(folder, name), os.O_RDONLY)
        try:
            os.fsync(fd)
            os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)
        finally:
            os.close(fd)


if __name__ == "__main__":
    main()
