#!/usr/bin/env python3
"""Runs the built conv against a stand-in "ffmpeg" that writes without line
breaks and never advances, and prints conv's resident memory as time passes
and the reason conv ends with. conv keeps a bounded part of what FFmpeg
writes, so the figures must stay flat (target: the last within 20 MB of the
first); the stand-in is stopped once the stall limit (--seconds) has passed.

A conv without the limit never ends by itself; --give-up S ends it after S
seconds, so an older build can be measured the same way.

Usage: bench/conv_flood_memory.py [BUILD_DIR] [--seconds S] [--stream stderr|stdout] [--give-up S]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time


def resident_mb(pid):
    try:
        with open("/proc/%d/status" % pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1]) / 1024
    except OSError:
        pass
    return None


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build", nargs="?", default="build")
    parser.add_argument("--seconds", type=int, default=30)
    parser.add_argument("--stream", choices=["stderr", "stdout"], default="stderr")
    parser.add_argument("--give-up", type=int, default=0)
    args = parser.parse_args()
    conv = os.path.abspath(os.path.join(args.build, "data", "conv"))
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "clip.flv")
        subprocess.run(["ffmpeg", "-v", "error", "-f", "lavfi", "-i", "testsrc=duration=5:size=320x240",
                        "-f", "lavfi", "-i", "sine=duration=5", "-y", source], check=True)
        bin_folder = os.path.join(folder, "bin")
        os.mkdir(bin_folder)
        stand_in = os.path.join(bin_folder, "ffmpeg")
        redirect = " >&2" if args.stream == "stderr" else ""
        with open(stand_in, "w") as script:
            script.write("#!/bin/sh\nexec tr '\\0' x < /dev/zero%s\n" % redirect)
        os.chmod(stand_in, 0o755)
        environment = dict(os.environ, PATH=bin_folder + ":" + os.environ["PATH"],
                           TAVOCLIP_CONV_STALL_SECONDS=str(args.seconds))
        process = subprocess.Popen([conv, "-i", source, "-y", os.path.join(folder, "out.mp4")],
                                   stdout=subprocess.PIPE, stderr=subprocess.STDOUT, env=environment)
        start = time.monotonic()
        next_report = 0
        while process.poll() is None:
            elapsed = time.monotonic() - start
            if args.give_up and elapsed > args.give_up:
                print("%5.1f s  conv resident %.1f MB, still running: ended" % (elapsed, resident_mb(process.pid) or 0))
                process.kill()
                process.wait()
                break
            if elapsed >= next_report:
                print("%5.1f s  conv resident %.1f MB" % (elapsed, resident_mb(process.pid) or 0), flush=True)
                next_report += max(1, args.seconds // 6)
            time.sleep(0.2)
        output = process.stdout.read().decode(errors="replace").strip().splitlines()
        print("status %d, last line: %s" % (process.returncode, output[-1][:200] if output else ""))


if __name__ == "__main__":
    sys.exit(main())
