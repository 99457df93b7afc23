#!/usr/bin/env python3
"""Wall time of conv against FFmpeg alone for the ten default conversions.

Makes one 30 s 320x240 FLV (flv1 video at 25 fps, MP3 audio), runs each of the
ten command lines the window builds with its default selections through conv,
and the equivalent plain FFmpeg command, several times each; prints the median
times and their ratio. AMR and 3GP are compared with FFmpeg writing the same
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
    start = time.perf_counter()
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def median_time(command):
    return statistics.median(timed(command) for _ in range(RUNS))


def main():
    with tempfile.TemporaryDirectory() as work:
        # A private copy: a rebuild of the tree during the run cannot touch it.
        conv_program = shutil.copy(CONV, os.path.join(work, "conv"))
        source = os.path.join(work, "source.flv")
        subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y",
                        "-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=30",
                        "-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=30",
                        "-c:v", "flv", "-b:v", "400k", "-c:a", "libmp3lame", "-ac", "2", source], check=True)
        print(f"{'format':6} {'conv s':>8} {'ffmpeg s':>9} {'ratio':>6}  target")
        for name, conv_options, ffmpeg_options, extension in CASES:
            conv_ext = ".amr" if name == "AMR" else extension
            conv = median_time([conv_program, "-i", source] + conv_options.split() + [os.path.join(work, "conv" + conv_ext)])
            plain = median_time(["ffmpeg", "-nostdin", "-v", "error", "-y", "-i", source] + ffmpeg_options.split()
                                + [os.path.join(work, "plain" + extension)])
            target = 1.25 if name in ("AMR", "3GP") else 1.05
            print(f"{name:6} {conv:8.3f} {plain:9.3f} {conv / plain:6.2f}  <= {target}")


if __name__ == "__main__":
    main()
