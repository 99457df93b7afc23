#!/usr/bin/env python3
"""Runs `tavoclip-batch` on one file whose stand-in converter writes a flood
of output without a single line end (300 MB by default), and prints the
batch's peak resident memory and wall time. The engine keeps only the end of
a converter's output, so the peak should stay near the program's own size
(tens of MB) however large the flood.

Usage: bench/flood_memory.py [BUILD_DIR] [--megabytes N]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

CONVERTER = """#!/bin/sh
head -c {size} /dev/zero | tr '\\000' x
for last; do :; done
echo done > "$last"
"""


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--megabytes", type=int, default=300)
    args = parser.parse_args()
    batch = os.path.abspath(os.path.join(args.build, "tavoclip-batch"))
    with tempfile.TemporaryDirectory() as folder:
        converter = os.path.join(folder, "flood.sh")
        with open(converter, "w") as script:
            script.write(CONVERTER.format(size=args.megabytes * 1000 * 1000))
        os.chmod(converter, 0o755)
        source = os.path.join(folder, "clip.flv")
        open(source, "w").close()
        started = time.monotonic()
        process = subprocess.Popen([batch, "--converter", converter, "-f", "MP3", "-o",
                                    os.path.join(folder, "out"), source], stdout=subprocess.DEVNULL)
        _, status, usage = os.wait4(process.pid, 0)
        elapsed = time.monotonic() - started
    # ru_maxrss of the batch alone: the converter's processes are its own
    # children, but head and tr stay small.
    print(f"flood {args.megabytes} MB: peak resident {usage.ru_maxrss / 1024:.1f} MB, "
          f"{elapsed:.1f} s, status {os.waitstatus_to_exitcode(status)}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
