#!/usr/bin/env python3
"""Writes Tavoclip's completion sound: a soft two-note chime (E5 then A5),
each note a sine with a few quiet overtones and a bell-like decay, 16-bit
mono at 44.1 kHz, about 0.9 seconds. Usage: make_sound.py OUTPUT.wav"""

import math
import struct
import sys
import wave

RATE = 44100


def note(frequency, start, length, volume):
    """Samples (start time, values) of one struck note."""
    samples = []
    for i in range(int(length * RATE)):
        t = i / RATE
        attack = min(1.0, t / 0.006)
        decay = math.exp(-t * 5.5)
        tone = (math.sin(2 * math.pi * frequency * t)
                + 0.35 * math.sin(2 * math.pi * frequency * 2 * t) * math.exp(-t * 4)
                + 0.12 * math.sin(2 * math.pi * frequency * 3.01 * t) * math.exp(-t * 9))
        samples.append(volume * attack * decay * tone)
    return int(start * RATE), samples


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    total = [0.0] * int(0.95 * RATE)
    for offset, samples in (note(659.25, 0.0, 0.6, 0.32), note(880.0, 0.16, 0.79, 0.30)):
        for i, value in enumerate(samples):
            if offset + i < len(total):
                total[offset + i] += value
    fade = int(0.05 * RATE)
    for i in range(fade):
        total[-1 - i] *= i / fade
    peak = max(abs(v) for v in total) or 1.0
    scale = 0.8 * 32767 / max(peak, 1.0)
    frames = b"".join(struct.pack("<h", int(v * scale)) for v in total)
    with wave.open(sys.argv[1], "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(frames)


if __name__ == "__main__":
    main()
