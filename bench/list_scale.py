#!/usr/bin/env python3
"""Builds and runs the source list's scale benchmark and prints its figures:
a folder import of 100,000 empty files (target: at most 3 s), the resident
memory with them queued (target: at most 150 MB), Remove All of them (target:
at most 2 s) and the time of one removal of the queue's head at 1,000,
10,000 and 100,000 entries (target: the same at every length).

The list is shown in a window on Qt's offscreen platform unless
QT_QPA_PLATFORM says otherwise (for example xcb under xvfb-run).

With --subfolders N the files are dealt out over N subfolders of the
imported folder (every one of them is searched), else they lie in it.

Usage: bench/list_scale.py [BUILD_DIR] [--entries N] [--subfolders N]
"""
import argparse
import os
import subprocess
import sys


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir", nargs="?", default=os.path.join(here, "..", "build"))
    parser.add_argument("--entries", type=int, default=100000)
    parser.add_argument("--subfolders", type=int, default=0)
    args = parser.parse_args()

    subprocess.run(["cmake", "--build", args.build_dir, "--target", "tavoclip_list_bench", "-j2"],
                   check=True, stdout=subprocess.DEVNULL)
    env = dict(os.environ)
    env.setdefault("QT_QPA_PLATFORM", "offscreen")
    bench = os.path.join(args.build_dir, "tests", "sources", "tavoclip_list_bench")
    return subprocess.run([bench, str(args.entries), str(args.subfolders)], env=env).returncode


if __name__ == "__main__":
    sys.exit(main())
