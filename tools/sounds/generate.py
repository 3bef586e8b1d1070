#!/usr/bin/env python3
"""Writes the shipped sounds of Korvane into data/.

    python3 tools/sounds/generate.py [repo root]

Every sound is synthesised here from sine partials with soft envelopes, so the output is the same
on every run: 22050 Hz, mono, 16-bit PCM RIFF WAVE.

- Start1.wa1 .. Start8.wa1: welcome chimes, rising.
- GEnd1.wa1 .. GEnd11.wa1: goodbye chimes, falling.
- *.wav: right-answer sounds (listed in the right-answer file list).
- *.waw: wrong-answer sounds (listed in the wrong-answer file list); gentle, never harsh.
"""

import math
import struct
import sys
import wave
from pathlib import Path

RATE = 22050
PEAK = 0.7  # of full scale: loud enough to hear, with headroom for the mixer

# Equal-tempered pitch of a note name such as "C5" or "F#4".
NOTE_OFFSETS = {"C": -9, "C#": -8, "D": -7, "D#": -6, "E": -5, "F": -4, "F#": -3, "G": -2,
                "G#": -1, "A": 0, "A#": 1, "B": 2}


def pitch(name):
    letter, octave = name[:-1], int(name[-1])
    return 440.0 * 2.0 ** ((NOTE_OFFSETS[letter] + 12 * (octave - 4)) / 12.0)


# Timbres: (partial ratio, relative amplitude, decay rate factor). Higher partials die faster.
BELL = [(1.0, 1.0, 1.0), (2.0, 0.45, 1.6), (3.0, 0.2, 2.2), (4.2, 0.12, 3.0), (5.4, 0.06, 3.8)]
MARIMBA = [(1.0, 1.0, 1.0), (4.0, 0.25, 3.5), (10.0, 0.05, 6.0)]
FLUTE = [(1.0, 1.0, 0.6), (2.0, 0.2, 0.8), (3.0, 0.08, 1.0)]
BRASS = [(1.0, 1.0, 0.5), (2.0, 0.6, 0.6), (3.0, 0.45, 0.7), (4.0, 0.3, 0.8), (5.0, 0.18, 0.9),
         (6.0, 0.1, 1.0)]
SOFT_REED = [(1.0, 1.0, 0.8), (3.0, 0.3, 1.0), (5.0, 0.12, 1.2), (7.0, 0.05, 1.4)]


def add_note(buffer, start, freq, length, timbre, volume=1.0, decay=3.0, attack=0.01,
             glide=0.0, vibrato=0.0):
    """Mixes one note into buffer: start and length in seconds, exponential decay per second,
    a linear attack and a short release so that the note never clicks. glide bends the pitch by
    that many semitones over the note; vibrato is its depth in semitones at 6 Hz."""
    first = int(start * RATE)
    count = int(length * RATE)
    release = min(0.04, length / 4)
    phases = [0.0] * len(timbre)
    for i in range(count):
        t = i / RATE
        bend = glide * t / length + vibrato * math.sin(2 * math.pi * 6.0 * t)
        base = freq * 2.0 ** (bend / 12.0)
        envelope = min(1.0, t / attack) if attack > 0 else 1.0
        remaining = length - t
        if remaining < release:
            envelope *= remaining / release
        sample = 0.0
        for k, (ratio, amplitude, decay_factor) in enumerate(timbre):
            phases[k] += 2 * math.pi * base * ratio / RATE
            sample += amplitude * math.exp(-decay * decay_factor * t) * math.sin(phases[k])
        index = first + i
        if index < len(buffer):
            buffer[index] += volume * envelope * sample


def sequence(notes, step, timbre, tail=0.9, decay=3.0, volume=1.0, chord_at_end=False):
    """An arpeggio: each note starts step seconds after the one before and rings for tail
    seconds; with chord_at_end the last notes sound together as a closing chord."""
    def build(buffer):
        for i, name in enumerate(notes):
            add_note(buffer, i * step, pitch(name), tail, timbre, volume, decay)
        if chord_at_end:
            end = len(notes) * step
            for name in notes[-3:]:
                add_note(buffer, end, pitch(name), tail * 1.3, timbre, volume * 0.6, decay * 0.8)
    return build


def layered(*parts):
    def build(buffer):
        for part in parts:
            part(buffer)
    return build


def render(build, seconds):
    buffer = [0.0] * int(seconds * RATE)
    build(buffer)
    loudest = max(abs(s) for s in buffer) or 1.0
    scale = PEAK / loudest
    fade = int(0.03 * RATE)
    for i in range(fade):
        buffer[-1 - i] *= i / fade
    return [int(round(s * scale * 32767)) for s in buffer]


def write_wave(path, samples):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def fanfare(buffer):
    # A short "ta-ta-ta-taaa" on a mellow brass timbre.
    for i, (name, start, length) in enumerate([("G4", 0.0, 0.16), ("G4", 0.17, 0.16),
                                               ("G4", 0.34, 0.16), ("C5", 0.52, 0.9)]):
        add_note(buffer, start, pitch(name), length, BRASS, 0.8 if i < 3 else 1.0,
                 decay=1.5, attack=0.02, vibrato=0.08 if i == 3 else 0.0)
    add_note(buffer, 0.52, pitch("E4"), 0.9, BRASS, 0.45, decay=1.5, attack=0.02)


def boing(buffer):
    add_note(buffer, 0.0, pitch("A3"), 0.8, FLUTE, 1.0, decay=3.0, attack=0.005, glide=7,
             vibrato=0.9)


def buzz(buffer):
    # Two low, muffled reed tones: a clear "no" without a harsh edge.
    add_note(buffer, 0.0, pitch("D3"), 0.28, SOFT_REED, 1.0, decay=1.0, attack=0.01)
    add_note(buffer, 0.32, pitch("D3"), 0.45, SOFT_REED, 1.0, decay=1.5, attack=0.01)


def oops(buffer):
    # "Uh-oh": a falling minor third.
    add_note(buffer, 0.0, pitch("E4"), 0.3, FLUTE, 1.0, decay=2.0, attack=0.02)
    add_note(buffer, 0.3, pitch("C#4"), 0.55, FLUTE, 1.0, decay=2.5, attack=0.02, glide=-0.5)


def low_tone(buffer):
    add_note(buffer, 0.0, pitch("G2"), 0.9, FLUTE, 1.0, decay=2.5, attack=0.03)
    add_note(buffer, 0.0, pitch("G3"), 0.9, FLUTE, 0.3, decay=3.0, attack=0.03)


def tumble(buffer):
    # A little descending run, like a ball rolling down the stairs.
    for i, name in enumerate(["B4", "G4", "E4", "C4"]):
        add_note(buffer, i * 0.11, pitch(name), 0.3, MARIMBA, 1.0, decay=6.0)


SOUNDS = {
    # Welcome chimes: rising, each in its own key and timbre.
    "Start1.wa1": (sequence(["C5", "E5", "G5", "C6"], 0.14, BELL, chord_at_end=True), 1.9),
    "Start2.wa1": (sequence(["G4", "B4", "D5", "G5"], 0.12, MARIMBA, tail=0.6, decay=4.0), 1.2),
    "Start3.wa1": (sequence(["F4", "A4", "C5", "F5", "A5"], 0.11, BELL, tail=0.8), 1.5),
    "Start4.wa1": (sequence(["D5", "F#5", "A5", "D6"], 0.16, FLUTE, tail=0.5, decay=2.0), 1.3),
    "Start5.wa1": (layered(sequence(["C5", "D5", "E5", "G5"], 0.1, MARIMBA, tail=0.5, decay=5.0),
                           sequence(["C6"], 0.0, BELL, tail=1.0)), 1.2),
    "Start6.wa1": (sequence(["A4", "C#5", "E5", "A5", "C#6"], 0.09, BELL, tail=0.9, decay=3.5,
                            chord_at_end=True), 2.0),
    "Start7.wa1": (sequence(["E4", "G#4", "B4", "E5"], 0.2, FLUTE, tail=0.7, decay=1.8), 1.6),
    "Start8.wa1": (sequence(["A#4", "D5", "F5", "A#5"], 0.13, MARIMBA,
                            tail=0.7, decay=3.5, chord_at_end=True), 1.6),
    # Goodbye chimes: falling, softer.
    "GEnd1.wa1": (sequence(["C6", "G5", "E5", "C5"], 0.16, BELL, tail=1.0), 1.6),
    "GEnd2.wa1": (sequence(["G5", "D5", "B4", "G4"], 0.14, MARIMBA, tail=0.6, decay=4.0), 1.2),
    "GEnd3.wa1": (sequence(["A5", "F5", "C5", "A4", "F4"], 0.12, BELL, tail=0.9), 1.6),
    "GEnd4.wa1": (sequence(["D6", "A5", "F#5", "D5"], 0.18, FLUTE, tail=0.6, decay=2.0), 1.4),
    "GEnd5.wa1": (sequence(["E5", "C5", "A4"], 0.22, BELL, tail=1.1, decay=2.5), 1.6),
    "GEnd6.wa1": (sequence(["C#6", "A5", "E5", "C#5", "A4"], 0.1, BELL, tail=0.9, decay=3.5), 1.5),
    "GEnd7.wa1": (sequence(["B4", "G#4", "E4"], 0.24, FLUTE, tail=0.7, decay=1.6), 1.4),
    "GEnd8.wa1": (sequence(["A#5", "F5", "D5", "A#4"], 0.13, MARIMBA, tail=0.7, decay=3.5), 1.3),
    "GEnd9.wa1": (sequence(["G5", "E5", "D5", "C5"], 0.2, BELL, tail=1.0, decay=2.5), 1.8),
    "GEnd10.wa1": (sequence(["F5", "D5", "A#4", "F4"], 0.15, FLUTE, tail=0.6, decay=2.2), 1.3),
    "GEnd11.wa1": (sequence(["E5", "D5", "C5", "G4", "C4"], 0.15, MARIMBA, tail=0.5,
                            decay=4.0), 1.2),
    # Right answers.
    "Chime.wav": (sequence(["E5", "A5"], 0.15, BELL, tail=0.9), 1.1),
    "Bells.wav": (sequence(["C6", "E6", "G6", "C6", "E6", "G6"], 0.08, BELL, tail=0.6,
                           decay=4.0), 1.1),
    "Fanfare.wav": (fanfare, 1.5),
    "Ding.wav": (sequence(["A5"], 0.0, BELL, tail=0.9, decay=3.5), 0.9),
    "Marimba.wav": (sequence(["C5", "E5", "G5", "E5", "C6"], 0.09, MARIMBA, tail=0.4,
                             decay=5.0), 0.9),
    # Wrong answers.
    "Buzz.waw": (buzz, 0.8),
    "Boing.waw": (boing, 0.85),
    "Oops.waw": (oops, 0.9),
    "LowTone.waw": (low_tone, 0.95),
    "Tumble.waw": (tumble, 0.7),
}


def main():
    root = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2]
    data = root / "data"
    data.mkdir(exist_ok=True)
    for name, (build, seconds) in SOUNDS.items():
        write_wave(data / name, render(build, seconds))
        print(f"{name}: {seconds:.2f} s")


if __name__ == "__main__":
    main()
