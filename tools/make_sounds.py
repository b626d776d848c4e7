#!/usr/bin/env python3
"""Synthesises the program's sound effects and music as dry WAV files.

Usage: tools/make_sounds.py OUT_DIR

Writes mono 16-bit WAV files at 22050 Hz into OUT_DIR; tools/make_assets.sh
then adds room sound and levels with sox and encodes the music with lame.
Only the standard library is used, and every random number comes from a
seeded generator, so the output is the same at every run.

    timeout.wav   time-up chime: two bell strokes, high then low
    overtime.wav  over-limit signal: two short, soft buzzes
    zf.wav        affirmative score: drum roll, then a bright chord
    ff.wav        negative score: drum roll, then a chord a fifth lower
    vic.wav       winner: a short brass fanfare ending on a ringing chord
    cite.wav      awards music: stately C major, I-IV-V-I and vi-IV-V-I
    cite2.wav     second awards tune: music-box waltz in D major
    result.wav    announcement music: vi-IV-I-V pulse that loops cleanly
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
TWO_PI = 2.0 * math.pi

NOTE_INDEX = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def hz(name):
    """Frequency of a note name such as 'A4', 'F#3' or 'Bb5' (A4 = 440 Hz)."""
    letter, rest = name[0], name[1:]
    shift = 0
    while rest and rest[0] in "#b":
        shift += 1 if rest[0] == "#" else -1
        rest = rest[1:]
    midi = 12 * (int(rest) + 1) + NOTE_INDEX[letter] + shift
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


class Track:
    def __init__(self, seconds):
        self.samples = [0.0] * int(seconds * RATE)

    def add(self, start, voice):
        first = int(start * RATE)
        buffer = self.samples
        for offset, value in enumerate(voice):
            index = first + offset
            if index >= len(buffer):
                break
            buffer[index] += value

    def write(self, path, peak=0.6):
        top = max(1e-9, max(abs(v) for v in self.samples))
        scale = peak / top
        frames = bytearray()
        for value in self.samples:
            frames += struct.pack("<h", int(round(value * scale * 32767)))
        with wave.open(path, "wb") as out:
            out.setnchannels(1)
            out.setsampwidth(2)
            out.setframerate(RATE)
            out.writeframes(bytes(frames))


def envelope(n, attack, release, total):
    """Linear attack, flat hold, linear release over `total` seconds."""
    t = n / RATE
    if t < attack:
        return t / attack
    if t > total - release:
        return max(0.0, (total - t) / release)
    return 1.0


def partials(freq, seconds, spec, attack=0.004, release=0.05, gain=1.0):
    """A tone made of (ratio, amplitude, decay seconds or None) partials."""
    count = int(seconds * RATE)
    out = [0.0] * count
    for ratio, amplitude, decay in spec:
        f = freq * ratio
        if f >= RATE / 2 * 0.9:
            continue
        step = TWO_PI * f / RATE
        fall = math.exp(-1.0 / (decay * RATE)) if decay else 1.0
        level = amplitude * gain
        for n in range(count):
            out[n] += level * math.sin(step * n)
            level *= fall
    for n in range(count):
        out[n] *= envelope(n, attack, release, seconds)
    return out


def bell(freq, seconds, gain=1.0):
    return partials(freq, seconds, [
        (1.0, 1.0, seconds * 0.45), (2.0, 0.55, seconds * 0.30),
        (2.76, 0.35, seconds * 0.22), (4.07, 0.20, seconds * 0.14),
        (5.43, 0.12, seconds * 0.09),
    ], attack=0.003, release=0.08, gain=gain)


def pluck(freq, seconds, gain=1.0):
    spec = [(float(k), 1.0 / k ** 1.3, 0.9 / (1 + 0.6 * k)) for k in range(1, 7)]
    return partials(freq, seconds, spec, attack=0.005, release=0.06, gain=gain)


def music_box(freq, seconds, gain=1.0):
    return partials(freq, seconds, [
        (1.0, 1.0, 0.55), (3.0, 0.25, 0.18), (4.2, 0.10, 0.10),
    ], attack=0.002, release=0.05, gain=gain)


def bass(freq, seconds, gain=1.0):
    return partials(freq, seconds, [(1.0, 1.0, 1.2), (2.0, 0.35, 0.5), (3.0, 0.1, 0.3)],
                    attack=0.01, release=0.08, gain=gain)


def brass(freq, seconds, gain=1.0):
    """A soft brass-like tone: harmonics with a slow swell and light vibrato."""
    count = int(seconds * RATE)
    out = [0.0] * count
    harmonics = [(k, 1.0 / k ** 1.1) for k in range(1, 9) if freq * k < RATE * 0.42]
    phase = 0.0
    for n in range(count):
        t = n / RATE
        depth = 0.004 * min(1.0, max(0.0, t - 0.15) * 4)   # vibrato sets in after 0.15 s
        phase += TWO_PI * freq * (1.0 + depth * math.sin(TWO_PI * 5.5 * t)) / RATE
        brightness = min(1.0, t / 0.05)
        value = 0.0
        for k, amplitude in harmonics:
            value += amplitude * (brightness if k > 2 else 1.0) * math.sin(k * phase)
        out[n] = value * gain * envelope(n, 0.03, 0.09, seconds)
    return out


def pad(freq, seconds, gain=1.0):
    count = int(seconds * RATE)
    out = [0.0] * count
    for detune, amplitude in ((0.997, 0.5), (1.0, 0.7), (1.003, 0.5), (2.0, 0.18)):
        step = TWO_PI * freq * detune / RATE
        for n in range(count):
            out[n] += amplitude * math.sin(step * n)
    for n in range(count):
        out[n] *= gain * envelope(n, 0.35, 0.5, seconds)
    return out


def buzz(freq, seconds, gain=1.0):
    """A rounded square wave (odd harmonics up to the 9th) with a soft edge."""
    spec = [(float(k), 1.0 / k, None) for k in (1, 3, 5, 7, 9)]
    tone = partials(freq, seconds, spec, attack=0.012, release=0.04, gain=gain)
    for n in range(len(tone)):
        tone[n] *= 1.0 - 0.25 * (0.5 + 0.5 * math.sin(TWO_PI * 30.0 * n / RATE))
    return tone


def drum_roll(seconds, seed, gain=1.0):
    """Filtered noise in fast strokes, swelling towards the end."""
    rng = random.Random(seed)
    count = int(seconds * RATE)
    out = [0.0] * count
    low = 0.0
    previous = 0.0
    stroke = RATE / 22.0
    for n in range(count):
        white = rng.uniform(-1.0, 1.0)
        low += 0.35 * (white - low)          # take the hiss off
        high = low - previous                # and the rumble
        previous = low
        position = (n % stroke) / stroke
        hit = math.exp(-position * 5.0)
        swell = 0.25 + 0.75 * (n / count) ** 1.5
        out[n] = high * hit * swell * gain * 2.5
    return out


def cymbal(seconds, seed, gain=1.0):
    """A soft crash: high noise with a smoothed top, dying away to silence."""
    rng = random.Random(seed)
    count = int(seconds * RATE)
    out = [0.0] * count
    previous = 0.0
    smooth = 0.0
    for n in range(count):
        white = rng.uniform(-1.0, 1.0)
        high = white - previous
        previous = white
        smooth += 0.6 * (high - smooth)
        decay = math.exp(-n / (RATE * seconds * 0.25))
        out[n] = smooth * gain * decay * envelope(n, 0.002, seconds * 0.3, seconds)
    return out


def chord(track, start, names, seconds, voice, gain):
    for name in names:
        track.add(start, voice(hz(name), seconds, gain))


# --------------------------------------------------------------------------
# Sound effects
# --------------------------------------------------------------------------

def timeout_chime():
    track = Track(2.4)
    track.add(0.00, bell(hz("E6"), 1.6, 0.9))
    track.add(0.42, bell(hz("C6"), 1.95, 1.0))
    track.add(0.42, bell(hz("C5"), 1.95, 0.35))
    return track


def overtime_buzz():
    track = Track(0.78)
    track.add(0.00, buzz(hz("G3"), 0.30, 0.8))
    track.add(0.42, buzz(hz("G3"), 0.30, 0.8))
    return track


def score_reveal(notes, seed):
    track = Track(2.3)
    track.add(0.0, drum_roll(0.95, seed, 0.7))
    chord(track, 0.95, notes, 1.3, brass, 0.22)
    chord(track, 0.95, notes, 1.3, bell, 0.20)
    track.add(0.95, cymbal(1.3, seed + 1, 0.22))
    return track


def victory_fanfare():
    track = Track(3.6)
    beat = 0.16
    melody = [("G4", 0, 1), ("G4", 1, 1), ("G4", 2, 1), ("C5", 3, 3),
              ("E5", 6.5, 1), ("G5", 7.5, 5)]
    for name, at, length in melody:
        track.add(at * beat, brass(hz(name), length * beat + 0.05, 0.45))
    start = 7.5 * beat
    chord(track, start, ["C4", "E4", "G4", "C5"], 3.6 - start, brass, 0.12)
    chord(track, start, ["C6", "E6", "G6"], 2.2, bell, 0.10)
    track.add(start, cymbal(2.2, 77, 0.22))
    return track


# --------------------------------------------------------------------------
# Music
# --------------------------------------------------------------------------

TRIADS = {
    "C": ["C4", "E4", "G4"], "F": ["F4", "A4", "C5"], "G": ["G4", "B4", "D5"],
    "Am": ["A4", "C5", "E5"], "Dm": ["D4", "F4", "A4"],
    "D": ["D4", "F#4", "A4"], "Bm": ["B3", "D4", "F#4"], "Em": ["E4", "G4", "B4"],
    "A": ["A3", "C#4", "E4"],
}
ROOTS = {"C": "C3", "F": "F2", "G": "G2", "Am": "A2", "Dm": "D3",
         "D": "D3", "Bm": "B2", "Em": "E3", "A": "A2"}


def awards_march():
    beat = 60.0 / 108
    bars = ["C", "F", "G", "C", "Am", "F", "G", "C"]
    melody = [
        ("E5", 2), ("G5", 2), ("A5", 2), ("F5", 2), ("G5", 1), ("F5", 1), ("E5", 1), ("D5", 1),
        ("E5", 4), ("C5", 2), ("E5", 2), ("F5", 2), ("A5", 2), ("G5", 1), ("B4", 1), ("D5", 2),
        ("C5", 4),
    ]
    length = len(bars) * 4 * beat
    track = Track(length + 1.6)
    for bar, name in enumerate(bars):
        start = bar * 4 * beat
        track.add(start, bass(hz(ROOTS[name]), 2 * beat, 0.55))
        track.add(start + 2 * beat, bass(hz(ROOTS[name]), 2 * beat, 0.45))
        pattern = TRIADS[name] + [TRIADS[name][0][:-1] + str(int(TRIADS[name][0][-1]) + 1)]
        order = [0, 1, 2, 3, 2, 1, 0, 1]
        for step, index in enumerate(order):
            track.add(start + step * beat / 2, pluck(hz(pattern[index]), beat * 0.9, 0.22))
    at = 0.0
    for name, beats in melody:
        track.add(at, brass(hz(name), beats * beat * 0.95, 0.30))
        at += beats * beat
    chord(track, length, ["C4", "E4", "G4", "C5"], 1.5, bell, 0.12)
    return track


def awards_waltz():
    beat = 60.0 / 138
    bars = ["D", "Bm", "G", "A", "D", "G", "Em", "A", "G", "A", "D", "D"]
    melody = [
        ("F#5", 2), ("A5", 1), ("F#5", 2), ("D5", 1), ("G5", 2), ("B5", 1), ("A5", 3),
        ("F#5", 2), ("A5", 1), ("B5", 2), ("G5", 1), ("E5", 2), ("G5", 1), ("E5", 3),
        ("D5", 2), ("E5", 1), ("C#5", 2), ("E5", 1), ("D5", 3), ("D5", 3),
    ]
    length = len(bars) * 3 * beat
    track = Track(length + 1.4)
    for bar, name in enumerate(bars):
        start = bar * 3 * beat
        track.add(start, bass(hz(ROOTS[name]), 3 * beat, 0.5))
        for step in (1, 2):
            for note in TRIADS[name][1:]:
                track.add(start + step * beat, pluck(hz(note), beat * 0.8, 0.12))
    at = 0.0
    for name, beats in melody:
        track.add(at, music_box(hz(name), beats * beat + 0.3, 0.42))
        at += beats * beat
    return track


def announcement_pulse():
    beat = 60.0 / 100
    bars = ["Am", "F", "C", "G", "Am", "F", "C", "G"]
    length = len(bars) * 4 * beat
    track = Track(length)
    for bar, name in enumerate(bars):
        start = bar * 4 * beat
        chord(track, start, TRIADS[name], 4 * beat, pad, 0.10)
        for step in range(8):
            root = TRIADS[name][0] if step % 2 == 0 else TRIADS[name][2]
            track.add(start + step * beat / 2, pluck(hz(root), beat * 0.45, 0.14 if step % 2 else 0.2))
        track.add(start, bass(hz(ROOTS[name]), 4 * beat, 0.4))
    # the last bar leads back into the first: a rising G - B - D - E line
    for step, name in enumerate(["G5", "B5", "D6", "E6"]):
        track.add(length - 4 * beat + step * beat, bell(hz(name), beat * 1.2, 0.10))
    return track


PIECES = {
    "timeout.wav": timeout_chime,
    "overtime.wav": overtime_buzz,
    "zf.wav": lambda: score_reveal(["C5", "E5", "G5", "C6"], 11),
    "ff.wav": lambda: score_reveal(["G4", "B4", "D5", "G5"], 23),
    "vic.wav": victory_fanfare,
    "cite.wav": awards_march,
    "cite2.wav": awards_waltz,
    "result.wav": announcement_pulse,
}


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    out_dir = sys.argv[1]
    os.makedirs(out_dir, exist_ok=True)
    for name, make in PIECES.items():
        make().write(os.path.join(out_dir, name))
        print(f"  synthesised {name}")


if __name__ == "__main__":
    main()
