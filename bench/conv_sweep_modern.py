#!/usr/bin/env python3
"""The files people bring today, through conv into every format.

Sources are made with FFmpeg's lavfi at run time (2-3 s, small pictures):
phone clips (HEVC and H.264 with a rotation flag, AAC), camcorder MPEG-TS
.MTS (H.264/AC-3), DVD-like MPEG-2 .VOB (anamorphic 16:9), WebM VP9/Opus,
ProRes with a timecode in MOV, GIF, a 1 fps slideshow, a multi-track MKV (two
sound tracks, subtitles, an attachment), 7.1 FLAC, 96 kHz 24-bit WAV, MP3
with cover art; odd timing (sound starting 1 s late, sound longer than the
picture and the reverse, a timestamp wrap in MPEG-TS, fragmented MP4,
variable, very low and very high frame rates) and odd pictures (tiny, very
wide, alpha, 10-bit).

Each output is judged with ffprobe: container, codecs, frame size, exactly
the streams of its format (one video where the format has video, one audio,
nothing else, no rotation flag; a taller than wide picture in a turned
frame), length against what the source holds, and
sync: when the sound becomes audible against the picture's start, compared
with the source's own offset, within one output frame (40 ms for audio-only
outputs, measured on the source's clock).

Usage: bench/conv_sweep_modern.py [build-dir] [workers] [--quick]
  --quick: five formats (AVI, MP4, 3GP, MP3, AMR) instead of ten.
"""
import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ARGS = [a for a in sys.argv[1:] if not a.startswith("--")]
QUICK = "--quick" in sys.argv
BUILD = ARGS[0] if ARGS else os.path.join(ROOT, "build")
WORKERS = int(ARGS[1]) if len(ARGS) > 1 else 2
CONV = os.path.join(BUILD, "data", "conv")

# name, extension, conv options, video codecs accepted (None: audio only), audio codec, frame size
FORMATS = [
    ("MPG", ".mpg", "-y -b 256k -s 320x240 -ab 128k", {"mpeg1video"}, "mp2", "320x240"),
    ("WMV", ".wmv", "-y -vcodec wmv2 -acodec wmav2 -b 256k -s 320x240 -ab 128k", {"wmv2"}, "wmav2", "320x240"),
    ("MOV", ".mov", "-y -b 256k -s 320x240 -ab 128k", {"h264"}, "aac", "320x240"),
    ("AVI", ".avi", "-y -b 256k -s 320x240 -ab 128k", {"mpeg4"}, "mp3", "320x240"),
    ("MP4", ".mp4", "-y -b 256k -s 320x240 -ab 128k", {"h264"}, "aac", "320x240"),
    ("3GP", ".3gp", "-y -b 128k -s 176x144 -acodec libamr_nb -ac 1 -ar 8000 -ab 12.2k", {"h263"}, "amr_nb",
     "176x144"),
    ("MP3", ".mp3", "-y -vn -ab 128k", None, "mp3", None),
    ("AMR", ".amr", "-y -vn -ar 8000 -ab 12.2k -ac 1", None, "amr_nb", None),
    ("WMA", ".wma", "-y -vn -acodec wmav1 -ab 128k", None, "wmav1", None),
    ("WAV", ".wav", "-y -vn -ab 128k", None, "pcm_s16le", None),
]
if QUICK:
    FORMATS = [f for f in FORMATS if f[0] in ("AVI", "MP4", "3GP", "MP3", "AMR")]


def video(size="320x240", rate=25, seconds=2):
    return ["-f", "lavfi", "-i", f"testsrc=size={size}:rate={rate}:duration={seconds}"]


def sound(rate=44100, seconds=2, layout="stereo", offset=None):
    lead = ["-itsoffset", str(offset)] if offset else []
    return lead + ["-f", "lavfi", "-i", f"sine=frequency=440:sample_rate={rate}:duration={seconds},"
                                        f"aformat=channel_layouts={layout}"]


X264 = ["-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"]
AV = ["-map", "0:v", "-map", "1:a"]


# Each source: (kind, file name, list of FFmpeg commands after "ffmpeg -y", facts).
# A command's last argument is its output; "{prev}" stands for the file the
# previous command wrote. Facts: picture and sound spans in seconds on the
# source's clock (None: no such stream).
def S(kind, name, commands, picture=(0, 2), sound_span=(0, 2), upright=False):
    """upright: the picture, turned as the source asks, is taller than wide."""
    return {"kind": kind, "name": name, "commands": commands, "picture": picture, "sound": sound_span,
            "upright": upright}


SOURCES = [
    S("phone HEVC, rotated 90, AAC", "phone_hevc.mp4",
      [video("320x180", 30) + sound(48000) + ["-c:v", "libx265", "-preset", "ultrafast", "-x265-params",
                                             "log-level=none", "-tag:v", "hvc1", "-c:a", "aac", "tmp_hevc.mp4"],
       ["-i", "{prev}", "-c", "copy", "-metadata:s:v:0", "rotate=90", "phone_hevc.mp4"]], upright=True),
    S("phone H.264, rotated 270, AAC", "phone_h264.mov",
      [video("320x180", 30) + sound(48000) + X264 + ["-c:a", "aac", "tmp_h264.mov"],
       ["-i", "{prev}", "-c", "copy", "-metadata:s:v:0", "rotate=270", "phone_h264.mov"]], upright=True),
    S("camcorder MTS H.264/AC-3", "cam.MTS",
      [video("320x180", 25) + sound(48000) + X264 + ["-flags", "+ildct", "-c:a", "ac3", "-f", "mpegts",
                                                    "cam.MTS"]],
      ),
    S("DVD VOB MPEG-2/AC-3 16:9 anamorphic", "dvd.VOB",
      [video("720x576", 25) + sound(48000) + ["-c:v", "mpeg2video", "-vf", "setsar=64/45", "-c:a", "ac3",
                                             "-f", "vob", "dvd.VOB"]]),
    S("WebM VP9/Opus", "web.webm",
      [video("320x180", 30) + sound(48000) + ["-c:v", "libvpx-vp9", "-deadline", "realtime", "-cpu-used", "8",
                                             "-b:v", "200k", "-c:a", "libopus", "web.webm"]]),
    S("ProRes with timecode, PCM", "prores.mov",
      [video("320x240", 25) + sound(48000) + ["-c:v", "prores_ks", "-c:a", "pcm_s16le", "-timecode",
                                             "01:00:00:00", "prores.mov"]]),
    S("GIF", "anim.gif", [video("160x120", 10) + ["anim.gif"]], sound_span=None),
    S("slideshow 1 fps", "slides.mp4",
      [video("320x240", 1, 3) + sound(44100, 3) + X264 + ["-c:a", "aac", "slides.mp4"]], (0, 3), (0, 3)),
    S("multi-track MKV (2 sounds, subtitles, attachment)", "multi.mkv",
      [video() + sound(48000) + sound(44100, 2, "mono") + ["-i", "{srt}", "-attach", "{font}", "-metadata:s:t",
                                                          "mimetype=application/x-truetype-font",
                                                          "-map", "0:v", "-map", "1:a", "-map", "2:a", "-map",
                                                          "3:s"] + X264 + ["-c:a", "aac", "-c:s", "srt",
                                                                           "multi.mkv"]]),
    S("7.1 FLAC", "surround.flac", [sound(48000, 2, "7.1") + ["-c:a", "flac", "surround.flac"]], None),
    S("96 kHz 24-bit WAV", "hires.wav", [sound(96000) + ["-c:a", "pcm_s24le", "hires.wav"]], None),
    S("MP3 with cover art", "cover.mp3",
      [sound(44100) + ["-f", "lavfi", "-i", "testsrc=size=200x200:duration=0.04", "-map", "0:a", "-map", "1:v",
                       "-c:a", "libmp3lame", "-c:v", "mjpeg", "-disposition:v", "attached_pic", "cover.mp3"]],
      None),
    S("sound 1 s late", "late.mkv", [video("320x240", 25, 3) + sound(44100, 2, offset=1) + AV + X264 +
                                     ["-c:a", "flac", "late.mkv"]], (0, 3), (1, 3)),
    S("sound longer than picture", "longsound.mp4",
      [video("320x240", 25, 1) + sound(44100, 3) + X264 + ["-c:a", "aac", "longsound.mp4"]], (0, 1), (0, 3)),
    S("picture longer than sound", "longpicture.mp4",
      [video("320x240", 25, 3) + sound(44100, 1) + X264 + ["-c:a", "aac", "longpicture.mp4"]], (0, 3), (0, 1)),
    S("timestamp wrap in MPEG-TS", "wrap.ts",
      [video("320x240", 25, 3) + sound(48000, 3) + X264 + ["-c:a", "mp2", "-output_ts_offset", "95442",
                                                          "-f", "mpegts", "wrap.ts"]], (0, 3), (0, 3)),
    S("fragmented MP4", "frag.mp4",
      [video() + sound() + X264 + ["-c:a", "aac", "-movflags", "frag_keyframe+empty_moov+default_base_moof",
                                   "frag.mp4"]]),
    S("variable frame rate", "vfr.mkv",
      [video("320x240", 30) + sound() + ["-vf", "select='lt(mod(n,30),10)+eq(mod(n,3),0)'", "-fps_mode", "vfr"]
       + X264 + ["-c:a", "aac", "vfr.mkv"]]),
    S("very low frame rate (2 fps)", "low.mkv", [video("320x240", 2) + sound() + X264 + ["-c:a", "aac",
                                                                                          "low.mkv"]]),
    S("very high frame rate (120 fps)", "high.mp4", [video("320x240", 120) + sound() + X264 +
                                                     ["-c:a", "aac", "high.mp4"]]),
    S("tiny 16x16", "tiny.mp4", [video("16x16") + sound() + X264 + ["-c:a", "aac", "tiny.mp4"]]),
    S("very wide 1280x96", "wide.mkv", [video("1280x96") + sound() + X264 + ["-c:a", "aac", "wide.mkv"]]),
    S("alpha (QuickTime Animation)", "alpha.mov",
      [video("160x120") + sound() + ["-vf", "format=argb", "-c:v", "qtrle", "-c:a", "pcm_s16le", "alpha.mov"]]),
    S("10-bit H.264", "tenbit.mkv",
      [video() + sound() + ["-c:v", "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p10le", "-c:a",
                            "aac", "tenbit.mkv"]]),
]


def make_sources(folder):
    with open(os.path.join(folder, "subs.srt"), "w") as srt:
        srt.write("1\n00:00:00,000 --> 00:00:01,500\nhello\n")
    with open(os.path.join(folder, "font.ttf"), "wb") as font:
        font.write(b"\0\1\0\0not a real font")
    made = []
    for source in SOURCES:
        previous = None
        ok = True
        for command in source["commands"]:
            args = [a.replace("{prev}", previous or "").replace("{srt}", "subs.srt").replace("{font}", "font.ttf")
                    for a in command]
            run = subprocess.run(["ffmpeg", "-nostdin", "-v", "error", "-y"] + args, cwd=folder,
                                 capture_output=True, text=True)
            if run.returncode != 0:
                print(f"cannot make {source['kind']}: {run.stderr.strip()[-300:]}")
                ok = False
                break
            previous = args[-1]
        if ok:
            made.append(source)
    return made


def probe(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-of", "json", "-show_format", "-show_streams", path],
                         capture_output=True, text=True).stdout
    return json.loads(out or "{}")


def first_video_time(path):
    out = subprocess.run(["ffprobe", "-v", "error", "-select_streams", "v:0", "-show_entries", "packet=pts_time",
                          "-read_intervals", "%+#5", "-of", "csv=p=0", path], capture_output=True, text=True).stdout
    times = [float(t.strip(",")) for t in out.split() if t.strip(", ") not in ("", "N/A")]
    return min(times) if times else 0.0


def sound_span(path):
    """(onset, end) of the sound on the file's own clock: the first audible sample, the last sample."""
    run = subprocess.run(["ffmpeg", "-nostdin", "-hide_banner", "-copyts", "-i", path, "-map", "0:a:0", "-af",
                          "silencedetect=n=-40dB:d=0.05,ashowinfo", "-f", "null", "-"],
                         capture_output=True, text=True)
    frames = re.findall(r"pts_time:([-\d.e]+) .*?rate:(\d+) nb_samples:(\d+)", run.stderr)
    if not frames:
        return None, None
    first = float(frames[0][0])
    end = float(frames[-1][0]) + int(frames[-1][2]) / int(frames[-1][1])
    starts = re.findall(r"silence_start: ([-\d.e]+)", run.stderr)
    ends = re.findall(r"silence_end: ([-\d.e]+)", run.stderr)
    if starts and abs(float(starts[0]) - first) < 0.03:
        return (float(ends[0]) if ends else None), end
    return first, end


def judge(source, fmt, path):
    name, ext, _, vcodecs, acodec, size = fmt
    problems = []
    info = probe(path)
    streams = info.get("streams", [])
    kinds = [s.get("codec_type") for s in streams]
    container = info.get("format", {}).get("format_name", "")
    want = {".mpg": "mpeg", ".wmv": "asf", ".mov": "mov", ".avi": "avi", ".mp4": "mp4", ".3gp": "3gp",
            ".mp3": "mp3", ".amr": "amr", ".wma": "asf", ".wav": "wav"}[ext]
    if want not in container:
        problems.append(f"container {container}")
    has_picture = source["picture"] is not None and vcodecs is not None
    expected_kinds = (["video"] if has_picture else []) + (["audio"] if source["sound"] else [])
    if sorted(kinds) != sorted(expected_kinds):
        problems.append(f"streams {kinds}")
    videos = [s for s in streams if s.get("codec_type") == "video"]
    audios = [s for s in streams if s.get("codec_type") == "audio"]
    if has_picture and videos:
        v = videos[0]
        accepted = vcodecs | ({"mpeg4"} if ext == ".3gp" else set())
        if v.get("codec_name") not in accepted:
            problems.append(f"video codec {v.get('codec_name')}")
        # A taller than wide picture turns the frame, except in a 3GP.
        if source["upright"] and ext != ".3gp":
            size = "x".join(reversed(size.split("x")))
        if f"{v.get('width')}x{v.get('height')}" != size:
            problems.append(f"size {v.get('width')}x{v.get('height')}")
        if any(d.get("rotation") for d in v.get("side_data_list", [])) or v.get("tags", {}).get("rotate"):
            problems.append("rotation flag left")
    if source["sound"] and audios and audios[0].get("codec_name") != acodec:
        problems.append(f"audio codec {audios[0].get('codec_name')}")

    # Length: the output spans what the source's streams span (sound alone:
    # from the source's start to the sound's end).
    spans = ([source["picture"]] if has_picture else []) + ([source["sound"]] if source["sound"] else [])
    start = min(s[0] for s in ([source["picture"]] if source["picture"] else []) +
                ([source["sound"]] if source["sound"] else []))
    expected_end = max(s[1] for s in spans) - start
    # Without a picture the reference is the file's own start: MPEG program
    # streams begin at 0.5 s by design.
    picture_start = (first_video_time(path) if has_picture and videos
                     else float(info.get("format", {}).get("start_time") or 0) if ext == ".mpg" else 0.0)
    onset, sound_end = sound_span(path) if audios else (None, None)
    ends = []
    if has_picture and videos:
        ends.append(float(videos[0].get("duration") or info.get("format", {}).get("duration") or 0) +
                    float(videos[0].get("start_time") or 0) - picture_start)
    if sound_end is not None:
        ends.append(sound_end - picture_start)
    length = max(ends) if ends else 0
    frame = 1.0 / (source.get("rate") or 25)
    if abs(length - expected_end) > max(0.1, min(0.5, expected_end / 10)) + (frame if has_picture else 0):
        problems.append(f"length {length:.2f}s, expected {expected_end:.2f}s")

    # Sync: the sound's onset after the picture's start, as in the source.
    if source["sound"] and onset is not None:
        want_offset = source["sound"][0] - (source["picture"][0] if has_picture else start)
        tolerance = 1.0 / output_rate(videos[0]) if has_picture and videos else 0.04
        if abs((onset - picture_start) - want_offset) > tolerance + 0.001:
            problems.append(f"sound at {onset - picture_start:+.3f}s, expected {want_offset:+.3f}s")
    elif source["sound"]:
        problems.append("no sound decoded")
    return problems


def output_rate(stream):
    num, _, den = (stream.get("avg_frame_rate") or "25/1").partition("/")
    try:
        rate = float(num) / float(den or 1)
    except (ValueError, ZeroDivisionError):
        rate = 25
    return rate if rate > 0 else 25


def convert(folder, source, fmt):
    name, ext, options = fmt[0], fmt[1], fmt[2]
    out = os.path.join(folder, "out", os.path.splitext(source["name"])[0] + "_" + name + ext)
    args = [CONV, "-i", os.path.join(folder, source["name"])] + options.split() + ["-overwrite", out]
    run = subprocess.run(args, capture_output=True, text=True)
    lines = (run.stdout + run.stderr).strip().splitlines()
    if not source["sound"] and fmt[3] is None:
        # Sound asked of a file without any: a clear failure is the right result.
        ok = run.returncode == 1 and lines and "no audio" in lines[-1]
        return source["kind"], name, [] if ok else [f"expected a clear failure, got {run.returncode}"]
    if run.returncode != 0:
        return source["kind"], name, [f"conv exit {run.returncode}: {lines[-1] if lines else ''}"]
    return source["kind"], name, judge(source, fmt, out)


def main():
    if not os.path.exists(CONV):
        sys.exit(f"no conv at {CONV}: build first")
    folder = tempfile.mkdtemp(prefix="conv_sweep_modern.")
    try:
        os.mkdir(os.path.join(folder, "out"))
        began = time.time()
        sources = make_sources(folder)
        for s in sources:
            s["rate"] = 25
        jobs = [(s, f) for s in sources for f in FORMATS]
        failures = []
        with concurrent.futures.ThreadPoolExecutor(WORKERS) as pool:
            for kind, fmt, problems in pool.map(lambda job: convert(folder, *job), jobs):
                if problems:
                    failures.append((kind, fmt, problems))
                    print(f"FAIL {kind} -> {fmt}: {'; '.join(problems)}", flush=True)
        print(f"{len(jobs) - len(failures)} of {len(jobs)} passed ({len(sources)} of {len(SOURCES)} source kinds, "
              f"{len(FORMATS)} formats, {time.time() - began:.0f} s)")
        return 1 if failures or len(sources) != len(SOURCES) else 0
    finally:
        shutil.rmtree(folder, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
