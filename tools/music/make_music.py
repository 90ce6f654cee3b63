#!/usr/bin/env python3
"""Writes the game's background music: three short standard MIDI files (format 0).

    python3 tools/music/make_music.py [output folder]   (default: data/music)

Each piece is a chord progression with a bass line, broken chords and a melody that walks over the
chord tones. The melody comes from a seeded random generator, so the same run always writes the same
bytes; change a piece's recipe below (progression, tempo, instruments, seed) and run it again.
"""

import random
import struct
import sys
from pathlib import Path

PPQ = 480  # ticks per quarter note

NOTE = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}

# Chord symbol -> pitch classes (root first). Only what the pieces use.
CHORDS = {
    "C": (0, 4, 7), "Dm": (2, 5, 9), "D": (2, 6, 9), "Em": (4, 7, 11), "E": (4, 8, 11),
    "F": (5, 9, 0), "G": (7, 11, 2), "Am": (9, 0, 4), "G7": (7, 11, 2, 5),
}

# Rhythms of one melody bar, in quarter notes; the sum is the bar length.
RHYTHMS = {
    4: [(1, 1, 1, 1), (1.5, 0.5, 1, 1), (2, 1, 1), (1, 0.5, 0.5, 2), (0.5, 0.5, 1, 2)],
    3: [(1, 1, 1), (2, 1), (1.5, 0.5, 1), (1, 0.5, 0.5, 1)],
}

PIECES = [
    # name, tempo (bpm), beats per bar, progression, programs (melody, chords, bass), seed
    ("stroll.mid", 104, 4, ["C", "Am", "F", "G", "C", "Am", "Dm", "G7"] * 2 + ["F", "G", "C", "C"],
     (73, 0, 32), 11),
    ("waltz.mid", 150, 3, ["C", "G", "Am", "F", "C", "F", "G7", "C"] * 2 + ["F", "G7", "C", "C"],
     (10, 48, 45), 23),
    ("evening.mid", 84, 4, ["Am", "F", "C", "G", "Am", "Dm", "E", "Am"] * 2,
     (12, 4, 33), 37),
]


def pitches(chord, low, high):
    """Every MIDI pitch of the chord between low and high."""
    classes = CHORDS[chord]
    return [p for p in range(low, high + 1) if p % 12 in classes]


def melody(progression, beats, rng):
    """Notes (start, length, pitch) in quarter notes: chord tones, mostly small steps."""
    notes, now, last = [], 0.0, 72
    for bar, chord in enumerate(progression):
        final = bar == len(progression) - 1
        rhythm = (beats,) if final else rng.choice(RHYTHMS[beats])
        for length in rhythm:
            choices = pitches(chord, 64, 84)
            if final:
                choices = [p for p in choices if p % 12 == CHORDS[chord][0]]
            near = sorted(choices, key=lambda p: abs(p - last))[:3]
            pitch = rng.choice(near[1:] if len(near) > 1 and rng.random() < 0.6 else near)
            notes.append((now, length, pitch))
            now, last = now + length, pitch
    return notes


def accompaniment(progression, beats):
    """Bass on the first beat of every bar, broken chords on the others."""
    bass, chords = [], []
    for bar, chord in enumerate(progression):
        start = bar * beats
        root = CHORDS[chord][0]
        bass.append((start, beats, 36 + root if root < 7 else 24 + root))
        voicing = pitches(chord, 55, 67)[:3]
        for beat in range(1, beats):
            for pitch in voicing:
                chords.append((start + beat, 0.9, pitch))
    return bass, chords


def variable_length(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, 0x80 | (value & 0x7F))
        value >>= 7
    return bytes(out)


def track_events(tempo, beats, programs, voices):
    """(tick, order, bytes) for the whole piece; note-offs sort before note-ons at the same tick."""
    events = [
        (0, 0, bytes([0xFF, 0x51, 3]) + (60_000_000 // tempo).to_bytes(3, "big")),
        (0, 0, bytes([0xFF, 0x58, 4, beats, 2, 24, 8])),
    ]
    for channel, program in enumerate(programs):
        events.append((0, 1, bytes([0xC0 | channel, program])))
    for channel, (notes, velocity) in enumerate(voices):
        for start, length, pitch in notes:
            on, off = round(start * PPQ), round((start + length) * PPQ) - 10
            events.append((on, 3, bytes([0x90 | channel, pitch, velocity])))
            events.append((off, 2, bytes([0x80 | channel, pitch, 0])))
    return sorted(events, key=lambda e: (e[0], e[1]))


def midi_file(events):
    body, now = b"", 0
    for tick, _, data in events:
        body += variable_length(tick - now) + data
        now = tick
    body += variable_length(PPQ) + bytes([0xFF, 0x2F, 0])
    header = b"MThd" + struct.pack(">IHHH", 6, 0, 1, PPQ)
    return header + b"MTrk" + struct.pack(">I", len(body)) + body


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "data/music"
    folder.mkdir(parents=True, exist_ok=True)
    for name, tempo, beats, progression, programs, seed in PIECES:
        rng = random.Random(seed)
        bass, chords = accompaniment(progression, beats)
        voices = [(melody(progression, beats, rng), 96), (chords, 56), (bass, 80)]
        (folder / name).write_bytes(midi_file(track_events(tempo, beats, programs, voices)))


if __name__ == "__main__":
    main()
