#!/usr/bin/env python3
"""Converts sixteen 10 s clips to MP3 with `tavoclip-batch -j 2`, with
`xargs -P2` running the same converter commands (from --print-jobs), and with
`tavoclip-batch -j 1`, and prints the median wall times and their ratios
(targets: -j 2 at most 1.10 of xargs -P2, and at least 1.6 times faster than
-j 1). The three kinds of run alternate round by round, so that other load
on the machine falls on all of them alike.

Usage: bench/batch_jobs.py [BUILD_DIR] [--clips N] [--format F] [--rounds R] [--jobs J]
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def make_clips(folder, count):
    first = os.path.join(folder, "clip00.avi")
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=duration=10:size=320x240:rate=25",
                    "-f", "lavfi", "-i", "sine=duration=10", "-shortest", "-y", first], check=True)
    clips = [first]
    for i in range(1, count):
        path = os.path.join(folder, "clip%02d.avi" % i)
        shutil.copyfile(first, path)
        clips.append(path)
    return clips


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.mkdir(folder)
    return folder


def timed(command, **kwargs):
    start = time.monotonic()
    result = subprocess.run(command, stdout=subprocess.DEVNULL, **kwargs)
    wall = time.monotonic() - start
    if result.returncode != 0:
        sys.exit("%s failed with status %d" % (command[0], result.returncode))
    return wall


def run_xargs(batch, fmt, out, clips, jobs):
    listing = subprocess.run([batch, "--print-jobs", "-f", fmt, "-o", fresh(out)] + clips, check=True,
                             capture_output=True).stdout
    jobs_file = os.path.join(os.path.dirname(out), "jobs.txt")
    with open(jobs_file, "wb") as handle:
        handle.write(listing.replace(b"\n", b"\0"))
    with open(jobs_file, "rb") as handle:
        return timed(["xargs", "-0", "-P%d" % jobs, "-n1", "sh", "-c"], stdin=handle, stderr=subprocess.DEVNULL)


def run_batch(batch, fmt, out, clips, jobs):
    return timed([batch, "-j", str(jobs), "-f", fmt, "-o", fresh(out)] + clips)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--clips", type=int, default=16)
    parser.add_argument("--format", default="MP3")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--jobs", type=int, default=2)
    args = parser.parse_args()
    batch = os.path.abspath(os.path.join(args.build, "tavoclip-batch"))
    times = {"xargs": [], "parallel": [], "single": []}
    with tempfile.TemporaryDirectory(prefix="tavoclip-bench-") as folder:
        clips = make_clips(folder, args.clips)
        out = os.path.join(folder, "out")
        run_batch(batch, args.format, out, clips[:2], args.jobs)  # warm the caches
        kinds = list(times)
        for round_index in range(args.rounds):
            order = kinds[round_index % 3:] + kinds[:round_index % 3]
            for kind in order:
                if kind == "xargs":
                    times[kind].append(run_xargs(batch, args.format, out, clips, args.jobs))
                else:
                    jobs = args.jobs if kind == "parallel" else 1
                    times[kind].append(run_batch(batch, args.format, out, clips, jobs))
    xargs = statistics.median(times["xargs"])
    parallel = statistics.median(times["parallel"])
    single = statistics.median(times["single"])
    print("clips: %d x 10 s, format %s, median of %d alternating rounds, load average %.2f"
          % (args.clips, args.format, args.rounds, os.getloadavg()[0]))
    print("xargs -P%d running the --print-jobs commands: %.2f s  %s" % (args.jobs, xargs, fmt_all(times["xargs"])))
    print("tavoclip-batch -j %d:                           %.2f s  %s" % (args.jobs, parallel, fmt_all(times["parallel"])))
    print("tavoclip-batch -j 1:                           %.2f s  %s" % (single, fmt_all(times["single"])))
    print("-j %d / xargs -P%d: %.3f (target <= 1.10)" % (args.jobs, args.jobs, parallel / xargs))
    print("-j 1 / -j %d:      %.3f (target >= 1.6)" % (args.jobs, single / parallel))


def fmt_all(values):
    return "(" + ", ".join("%.2f" % value for value in values) + ")"


if __name__ == "__main__":
    main()
