#!/usr/bin/env python3
"""Writes the four result sounds: mono 16-bit PCM at 11025 Hz, each with its own character.
Run once; the WAV files are kept in the repository."""
import math, struct, wave, os

RATE = 11025

def toon(freqs, duur, volume=0.5, vorm="sinus"):
    n = int(RATE * duur)
    out = []
    for i in range(n):
        t = i / RATE
        # short attack and release so the clip does not click
        env = min(1.0, i / (0.01 * RATE), (n - i) / (0.03 * RATE))
        s = 0.0
        for f in freqs:
            if vorm == "sinus":
                s += math.sin(2 * math.pi * f * t)
            else:
                s += 1.0 if math.sin(2 * math.pi * f * t) >= 0 else -1.0
        out.append(volume * env * s / len(freqs))
    return out

def stilte(duur):
    return [0.0] * int(RATE * duur)

def schrijf(naam, samples):
    pad = os.path.join(os.path.dirname(__file__), "geluiden", naam)
    with wave.open(pad, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(b"".join(struct.pack("<h", int(max(-1, min(1, s)) * 32000)) for s in samples))

# success: a rising major triad
schrijf("geslaagd.wav", toon([523.25], 0.12) + toon([659.25], 0.12) + toon([783.99], 0.25))
# small problems: two gentle equal notes
schrijf("foutklein.wav", toon([587.33], 0.15) + stilte(0.05) + toon([587.33], 0.2))
# moderate problems: a falling minor third
schrijf("foutmatig.wav", toon([493.88], 0.2) + toon([392.0], 0.3))
# serious problems: a low buzzing alarm, three times
schrijf("fouternstig.wav", (toon([196.0, 207.65], 0.18, 0.4, "blok") + stilte(0.06)) * 3)
