#!/usr/bin/env python3
"""Writes click.wav, the program's button click: 30 ms of a fast-decaying 1.8 kHz tone."""
import math
import os
import struct
import wave

RATE = 22050
LENGTH = 0.03
here = os.path.dirname(os.path.abspath(__file__))
path = os.path.join(here, "..", "sounds", "click.wav")
os.makedirs(os.path.dirname(path), exist_ok=True)
frames = bytearray()
for n in range(int(RATE * LENGTH)):
    t = n / RATE
    envelope = math.exp(-t * 180.0)
    sample = 0.6 * envelope * math.sin(2 * math.pi * 1800 * t)
    frames += struct.pack("<h", int(sample * 32767))
with wave.open(path, "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(bytes(frames))
print("wrote", os.path.normpath(path))
