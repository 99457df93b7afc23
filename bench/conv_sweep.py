#!/usr/bin/env python3
"""Every list value of every format through conv, on the kinds of source users
bring: old Flash video at 12, 15, 25 and 29.97 fps with 11/22/44 kHz mono or
stereo sound, 720p H.264/AAC, an odd frame size, variable frame rate, video
without sound, sound without video, 5.1 sound.

For each format the lists it uses are swept one at a time (the others at the
values the window's format-change rule picks). Each output is checked with
ffprobe: codecs, frame size, 8 kHz mono for AMR-NB, length within 0.5 s.
An audio-only format from a source without sound must fail with a clear
message, and counts as passed when it does.

Usage: bench/conv_sweep.py [build-dir] [workers]      (2-3 s clips, ~1700 runs)
"""
import concurrent.futures
import json
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build")
WORKERS = int(sys.argv[2]) if len(sys.argv) > 2 else 2
CONV = os.path.join(BUILD, "data", "conv")
SECONDS = 2

VIDEO_BITRATES = ["64k", "80k", "96k", "112k", "128k", "192k", "224k", "256k", "320k"]
SIZES = ["128x96", "160x120", "176x144", "320x180", "320x240", "352x288",
         "640x272", "480x480", "640x360", "640x480", "720x306", "720x320"]
GENERAL_AUDIO = ["64k", "80k", "96k", "128k", "196k", "256k", "320k"]
AMR_AUDIO = ["4.75k", "5.15k", "5.9k", "6.7k", "7.4k", "7.95k", "10.2k", "12.2k"]

# name, extension, options template, video codecs accepted, audio codec, audio list
FORMATS = [
    ("MPG", ".mpg", "-y -b {V} -s {Z} -ab {A}", {"mpeg1video"}, "mp2", GENERAL_AUDIO),
    ("WMV", ".wmv", "-y -vcodec wmv2 -acodec wmav2 -b {V} -s {Z} -ab {A}", {"wmv2"}, "wmav2", GENERAL_AUDIO),
    ("MOV", ".mov", "-y -b {V} -s {Z} -ab {A}", {"h264"}, "aac", GENERAL_AUDIO),
    ("AVI", ".avi", "-y -b {V} -s {Z} -ab {A}", {"mpeg4"}, "mp3", GENERAL_AUDIO),
    ("MP4", ".mp4", "-y -b {V} -s {Z} -ab {A}", {"h264"}, "aac", GENERAL_AUDIO),
    ("3GP", ".3gp", "-y -b {V} -s {Z} -acodec libamr_nb -ac 1 -ar 8000 -ab {A}", {"h263", "mpeg4"}, "amr_nb",
     AMR_AUDIO),
    ("MP3", ".mp3", "-y -vn -ab {A}", None, "mp3", GENERAL_AUDIO),
    ("AMR", ".amr", "-y -vn -ar 8000 -ab {A} -ac 1", None, "amr_nb", AMR_AUDIO),
    ("WMA", ".wma", "-y -vn -acodec wmav1 -ab {A}", None, "wmav1", GENERAL_AUDIO),
    ("WAV", ".wav", "-y -vn -ab {A}", None, "pcm_s16le", GENERAL_AUDIO),
]


def lavfi_video(rate, size="320x240"):
    return ["-f", "lavfi", "-i", f"testsrc=size={size}:rate={rate}:duration={SECONDS}"]


def lavfi_audio(rate, layout="mono"):
    return ["-f", "lavfi", "-i", f"sine=frequency=440:sample_rate={rate}:duration={SECONDS},"
                                 f"aformat=channel_layouts={layout}"]


FLV = ["-c:v", "flv", "-c:a", "libmp3lame"]
SOURCES = [
    ("flv 12fps 11k mono", "a.flv", lavfi_video(12) + lavfi_audio(11025) + FLV),
    ("flv 15fps 22k stereo", "b.flv", lavfi_video(15) + lavfi_audio(22050, "stereo") + FLV),
    ("flv 25fps 44k stereo", "c.flv", lavfi_video(25) + lavfi_audio(44100, "stereo") + FLV),
    ("flv 29.97 22k mono", "d.flv", lavfi_video("30000/1001") + lavfi_audio(22050) + FLV),
    ("h264/aac 1280x720", "e.mp4", lavfi_video(25, "1280x720") + lavfi_audio(44100, "stereo") +
     ["-c:v", "libx264", "-preset", "ultrafast", "-c:a", "aac"]),
    ("odd 321x241", "f.mkv", lavfi_video(25, "321x241") + lavfi_audio(44100) + ["-c:v", "ffv1", "-c:a", "flac"]),
    ("variable frame rate", "g.mkv", lavfi_video(30) + lavfi_audio(44100) +
     ["-vf", "select='lt(mod(n,30),10)+eq(mod(n,3),0)'", "-vsync", "vfr", "-c:v", "libx264", "-preset",
      "ultrafast", "-c:a", "aac"]),
    ("video only", "h.mp4", lavfi_video(25) + ["-c:v", "libx264", "-preset", "ultrafast"]),
    ("audio only", "i.mp3", lavfi_audio(44100, "stereo") + ["-c:a", "libmp3lame"]),
    ("5.1 sound", "j.mp4", lavfi_video(25) + lavfi_audio(48000, "5.1") + ["-c:v", "libx264", "-preset",
                                                                          "ultrafast", "-c:a", "aac"]),
]


def probe(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-count_packets", "-of", "json", "-show_format",
                          "-show_streams", path], capture_output=True, text=True).stdout
    return json.loads(out or "{}")


def stream(info, kind):
    return next((s for s in info.get("streams", []) if s.get("codec_type") == kind), None)


def duration(info, audio_codec):
    video, audio = stream(info, "video"), stream(info, "audio")
    if audio and audio.get("codec_name") == "amr_nb" and not video:
        return int(audio.get("nb_read_packets", 0)) * 0.02
    return float(info.get("format", {}).get("duration", 0))


def check(job):
    source_path, has_video, has_audio, fmt, values, output = job
    name, ext, template, video_codecs, audio_codec, _ = fmt
    options = template.format(V=values["V"], Z=values["Z"], A=values["A"]).split()
    run = subprocess.run([CONV, "-i", source_path] + options + ["-overwrite", output], capture_output=True, text=True)
    last = (run.stdout + run.stderr).strip().splitlines()[-1:] or [""]
    if video_codecs is None and not has_audio:
        ok = run.returncode == 1 and "no audio" in last[0] and not os.path.exists(output)
        return ok, f"expected a clear refusal, got {run.returncode}: {last[0]}"
    if run.returncode != 0:
        return False, f"exit {run.returncode}: {last[0]}"
    info = probe(output)
    os.remove(output)
    problems = []
    video, audio = stream(info, "video"), stream(info, "audio")
    if video_codecs and has_video:
        if not video or video.get("codec_name") not in video_codecs:
            problems.append(f"video {video and video.get('codec_name')}")
        elif f"{video['width']}x{video['height']}" != values["Z"]:
            problems.append(f"size {video['width']}x{video['height']}")
    if has_audio:
        if not audio or audio.get("codec_name") != audio_codec:
            problems.append(f"audio {audio and audio.get('codec_name')}")
        elif audio_codec == "amr_nb" and (audio.get("sample_rate") != "8000" or audio.get("channels") != 1):
            problems.append("amr not 8 kHz mono")
    if abs(duration(info, audio_codec) - SECONDS) > 0.5:
        problems.append(f"duration {duration(info, audio_codec):.2f}")
    return not problems, ", ".join(problems)


def value_sets(fmt):
    name, _, _, video_codecs, _, audio_list = fmt
    default = {"V": "128k", "Z": "176x144" if name == "3GP" else "320x240",
               "A": "4.75k" if audio_list is AMR_AUDIO else "128k"}
    sets = [dict(default, A=a) for a in audio_list]
    if video_codecs:
        sets += [dict(default, V=v) for v in VIDEO_BITRATES if v != default["V"]]
        sets += [dict(default, Z=z) for z in SIZES if z != default["Z"]]
    return sets


def main():
    global CONV
    with tempfile.TemporaryDirectory() as work:
        # A private copy: a rebuild of the tree during the run cannot touch it.
        CONV = shutil.copy(CONV, os.path.join(work, "conv"))
        jobs = []
        for label, file_name, recipe in SOURCES:
            path = os.path.join(work, file_name)
            subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y"] + recipe + [path], check=True)
            info = probe(path)
            for fmt in FORMATS:
                for i, values in enumerate(value_sets(fmt)):
                    output = os.path.join(work, f"{file_name}-{fmt[0]}-{i}{fmt[1]}")
                    jobs.append((label, (path, stream(info, "video") is not None, stream(info, "audio") is not None,
                                         fmt, values, output)))
        results = {}
        failures = []
        with concurrent.futures.ThreadPoolExecutor(WORKERS) as pool:
            for (label, job), (ok, why) in zip(jobs, pool.map(lambda j: check(j[1]), jobs)):
                passed, total = results.get((label, job[3][0]), (0, 0))
                results[(label, job[3][0])] = (passed + ok, total + 1)
                if not ok:
                    failures.append(f"{label} / {job[3][0]} {job[4]}: {why}")
        names = [f[0] for f in FORMATS]
        print(f"{'source':22}" + "".join(f"{n:>8}" for n in names))
        for label, _, _ in SOURCES:
            print(f"{label:22}" + "".join(f"{'%d/%d' % results[(label, n)]:>8}" for n in names))
        passed = sum(p for p, _ in results.values())
        total = sum(t for _, t in results.values())
        print(f"\n{passed} of {total} conversions passed")
        for failure in failures:
            print("FAIL", failure)


if __name__ == "__main__":
    main()
