#!/usr/bin/env python3
"""Converts twenty 3 s clips with tavoclip-batch and with a plain shell loop
calling conv directly, and prints the ratio of the two wall times (target:
at most 1.10) and tavoclip-batch's own CPU time while it waits for the
converter (target: under 2% of one core).

Usage: bench/batch_throughput.py [BUILD_DIR] [--clips N] [--format F]
"""
import argparse
import os
import shlex
import subprocess
import sys
import tempfile
import time


def make_clips(folder, count):
    first = os.path.join(folder, "clip00.avi")
    subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=duration=3:size=320x240:rate=25",
                    "-f", "lavfi", "-i", "sine=duration=3", "-shortest", "-y", first], check=True)
    clips = [first]
    for i in range(1, count):
        path = os.path.join(folder, "clip%02d.avi" % i)
        with open(first, "rb") as src, open(path, "wb") as dst:
            dst.write(src.read())
        clips.append(path)
    return clips


def own_cpu_seconds(pid):
    """utime + stime of the process itself, not of its children."""
    with open("/proc/%d/stat" % pid) as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def run_batch(batch, fmt, out, clips):
    start = time.monotonic()
    process = subprocess.Popen([batch, "-f", fmt, "-o", out] + clips, stdout=subprocess.DEVNULL)
    cpu = 0.0
    while process.poll() is None:
        try:
            cpu = own_cpu_seconds(process.pid)
        except (OSError, IndexError):
            pass
        time.sleep(0.02)
    wall = time.monotonic() - start
    if process.returncode != 0:
        sys.exit("tavoclip-batch failed with status %d" % process.returncode)
    return wall, cpu


def run_loop(batch, fmt, out, clips):
    commands = subprocess.run([batch, "-n", "-f", fmt, "-o", out] + clips, check=True,
                              capture_output=True, text=True).stdout.splitlines()
    script = "\n".join(line + " >/dev/null 2>&1 || exit 1" for line in commands)
    start = time.monotonic()
    subprocess.run(["bash", "-c", script], check=True)
    return time.monotonic() - start


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--clips", type=int, default=20)
    parser.add_argument("--format", default="MP4")
    parser.add_argument("--rounds", type=int, default=2,
                        help="interleaved rounds; the fastest of each is kept, to damp other load")
    args = parser.parse_args()
    batch = os.path.abspath(os.path.join(args.build, "tavoclip-batch"))
    with tempfile.TemporaryDirectory(prefix="tavoclip-bench-") as folder:
        clips = make_clips(folder, args.clips)
        os.mkdir(os.path.join(folder, "loop"))
        run_loop(batch, args.format, os.path.join(folder, "loop"), clips[:1])  # warm the caches
        loops, batches = [], []
        for _ in range(args.rounds):
            loops.append(run_loop(batch, args.format, os.path.join(folder, "loop"), clips))
            batches.append(run_batch(batch, args.format, os.path.join(folder, "batch"), clips))
        loop_wall = min(loops)
        batch_wall, batch_cpu = min(batches)
    print("clips: %d x 3 s, format %s, fastest of %d rounds, load average %.2f"
          % (args.clips, args.format, args.rounds, os.getloadavg()[0]))
    print("shell loop calling conv: %.2f s" % loop_wall)
    print("tavoclip-batch:          %.2f s" % batch_wall)
    print("ratio: %.3f (target <= 1.10)" % (batch_wall / loop_wall))
    print("tavoclip-batch own CPU: %.3f s = %.2f%% of one core (target < 2%%)"
          % (batch_cpu, 100.0 * batch_cpu / batch_wall))


if __name__ == "__main__":
    main()
