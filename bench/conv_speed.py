#!/usr/bin/env python3
"""Wall time of conv against FFmpeg alone for the ten default conversions.

Makes one 30 s 320x240 FLV (flv1 video at 25 fps, MP3 audio), runs each of the
ten command lines the window builds with its default selections through conv,
and the equivalent plain FFmpeg command, several times each; prints the median
wall and CPU times (CPU includes the FFmpeg children) and their ratios. On a
shared machine the wall figures vary with the load; the CPU figures vary
less, and "best" (fastest conv run over fastest FFmpeg run) least. AMR and 3GP are compared with FFmpeg writing the same
file without the AMR step: an 8 kHz mono WAV, and the 3GP video alone.

Usage: bench/conv_speed.py [build-dir] [runs]
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 5
CONV = os.path.join(BUILD, "data", "conv")

# (name, conv options after "-i SRC", plain FFmpeg options after "-i SRC", extension)
CASES = [
    ("MPG", "-y -b 128k -s 320x240 -ab 128k", "-b:v 128k -s 320x240 -b:a 128k", ".mpg"),
    ("WMV", "-y -vcodec wmv2 -acodec wmav2 -b 128k -s 320x240 -ab 128k",
     "-c:v wmv2 -c:a wmav2 -b:v 128k -s 320x240 -b:a 128k", ".wmv"),
    ("MOV", "-y -b 128k -s 320x240 -ab 128k", "-b:v 128k -s 320x240 -b:a 128k", ".mov"),
    ("AVI", "-y -b 128k -s 320x240 -ab 128k", "-b:v 128k -s 320x240 -b:a 128k", ".avi"),
    ("MP4", "-y -b 128k -s 320x240 -ab 128k", "-b:v 128k -s 320x240 -b:a 128k", ".mp4"),
    ("3GP", "-y -b 128k -s 176x144 -acodec libamr_nb -ac 1 -ar 8000 -ab 4.75k",
     "-b:v 128k -s 176x144 -an", ".3gp"),
    ("MP3", "-y -vn -ab 128k", "-vn -b:a 128k", ".mp3"),
    ("AMR", "-y -vn -ar 8000 -ab 4.75k -ac 1", "-vn -ar 8000 -ac 1", ".wav"),
    ("WMA", "-y -vn -acodec wmav1 -ab 128k", "-vn -c:a wmav1 -b:a 128k", ".wma"),
    ("WAV", "-y -vn -ab 128k", "-vn", ".wav"),
]


def timed(command):
    """Wall seconds and CPU seconds (user + system, children included)."""
    start = time.perf_counter()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    process.returncode = os.waitstatus_to_exitcode(status)
    if process.returncode != 0:
        raise RuntimeError(f"{command} failed with {process.returncode}")
    return wall, usage.ru_utime + usage.ru_stime


def median_times(first, second):
    """Median (wall, CPU) and best wall of each command, their runs taken in turn.

    Alternating the two spreads a passing load on the shared machine over both
    sides of the ratio instead of over one; one untimed run of each first puts
    the programs and the source into the page cache.
    """
    timed(first)
    timed(second)
    runs = [(timed(first), timed(second)) for _ in range(RUNS)]
    return tuple((statistics.median(pair[side][0] for pair in runs),
                  statistics.median(pair[side][1] for pair in runs),
                  min(pair[side][0] for pair in runs)) for side in (0, 1))


def main():
    with tempfile.TemporaryDirectory() as work:
        # A private copy: a rebuild of the tree during the run cannot touch it.
        conv_program = shutil.copy(CONV, os.path.join(work, "conv"))
        source = os.path.join(work, "source.flv")
        subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y",
                        "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=30",
                        "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=30",
                        "-c:v", "flv", "-b:v", "400k", "-c:a", "libmp3lame", "-ac", "2", source], check=True)
        print(f"{'format':6} {'conv s':>8} {'ffmpeg s':>9} {'ratio':>6}  {'conv cpu':>8} {'ffmpeg cpu':>10} "
              f"{'ratio':>6}  {'best':>5}  target (wall)")
        for name, conv_options, ffmpeg_options, extension in CASES:
            conv_ext = ".amr" if name == "AMR" else extension
            conv, plain = median_times(
                [conv_program, "-i", source] + conv_options.split() + ["-overwrite", os.path.join(work, "conv" + conv_ext)],
                ["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", source] + ffmpeg_options.split()
                + [os.path.join(work, "plain" + extension)])
            target = 1.25 if name in ("AMR", "3GP") else 1.05
            print(f"{name:6} {conv[0]:8.3f} {plain[0]:9.3f} {conv[0] / plain[0]:6.2f}  "
                  f"{conv[1]:8.3f} {plain[1]:10.3f} {conv[1] / plain[1]:6.2f}  {conv[2] / plain[2]:5.2f}  <= {target}")


if __name__ == "__main__":
    main()
