#!/usr/bin/env python3
"""Writes the game's six sound effects as PCM WAVE files: mono, 8 bit, 22 050 Hz.

    python3 tools/sounds/make_sounds.py [output folder]   (default: src/media/sounds)

Every clip is computed from a few sine partials, a little seeded noise and an envelope, so the same
run always writes the same bytes. Change a recipe below and run the script again to remake them.
"""

import math
import random
import sys
import wave
from pathlib import Path

RATE = 22050


def envelope(t, length, attack=0.004, decay=8.0):
    """A short fade-in against clicks, an exponential fall, and a fade-out over the last 5 ms."""
    rise = min(1.0, t / attack) if attack > 0 else 1.0
    fall = math.exp(-decay * t / length)
    tail = min(1.0, (length - t) / 0.005)
    return rise * fall * max(0.0, tail)


def tone(length, partials, decay=8.0, sweep=0.0, noise=0.0, seed=1):
    """Samples in -1..1: partials are (frequency, amplitude); sweep bends every frequency by that
    factor over the clip; noise mixes in seeded white noise."""
    rng = random.Random(seed)
    out = []
    phases = [0.0] * len(partials)
    for i in range(int(length * RATE)):
        t = i / RATE
        bend = 1.0 + sweep * t / length
        s = 0.0
        for k, (freq, amp) in enumerate(partials):
            phases[k] += 2 * math.pi * freq * bend / RATE
            s += amp * math.sin(phases[k])
        s += noise * (rng.random() * 2 - 1)
        out.append(s * envelope(t, length, decay=decay))
    return out


def bell(freq, length):
    """A soft bell: the fundamental with two quieter overtones."""
    return tone(length, [(freq, 0.6), (freq * 2, 0.2), (freq * 3, 0.08)], decay=4.0)


def tune():
    """The solved tune: a rising C major arpeggio and a held high C, 2.3 s."""
    notes = [(523.25, 0.16), (659.25, 0.16), (783.99, 0.16), (1046.5, 0.32),
             (783.99, 0.16), (1046.5, 1.34)]
    out = []
    for freq, length in notes:
        out += bell(freq, length)
    return out


def square(length, f0, f1):
    """The refused buzz: a soft-edged square wave falling from f0 to f1."""
    out = []
    phase = 0.0
    for i in range(int(length * RATE)):
        t = i / RATE
        phase += 2 * math.pi * (f0 + (f1 - f0) * t / length) / RATE
        out.append(0.5 * math.tanh(4 * math.sin(phase)) * envelope(t, length, decay=2.0))
    return out


EFFECTS = {
    # 1: a tan is picked up: a short rising blip.
    1: lambda: tone(0.10, [(620, 0.7), (1240, 0.15)], decay=5.0, sweep=0.5),
    # 2: the tan is put down: a low, dull knock with a little noise.
    2: lambda: tone(0.13, [(200, 0.7), (330, 0.2)], decay=9.0, sweep=-0.3, noise=0.15, seed=2),
    # 3: turning reaches the next step: a very short high tick.
    3: lambda: tone(0.03, [(1800, 0.5), (2700, 0.2)], decay=6.0),
    # 4: moving reaches the next grid place: a softer, lower tick.
    4: lambda: tone(0.05, [(950, 0.45)], decay=6.0, noise=0.05, seed=4),
    # 5: the tangram is solved: a cheerful little tune.
    5: tune,
    # 6: putting down is refused: a falling buzz.
    6: lambda: square(0.25, 140, 90),
}


def write_wave(path, samples):
    data = bytes(max(0, min(255, round(128 + 127 * s))) for s in samples)
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(1)
        w.setframerate(RATE)
        w.writeframes(data)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parents[2] / "src/media/sounds"
    folder.mkdir(parents=True, exist_ok=True)
    for number, make in EFFECTS.items():
        write_wave(folder / f"effect{number}.wav", make())


if __name__ == "__main__":
    main()
