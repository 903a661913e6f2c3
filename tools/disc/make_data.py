#!/usr/bin/env python3
"""Writes the title's stand-in data file: SIZE deterministic bytes, so copies can be compared."""
import random
import sys

path, size = sys.argv[1], int(sys.argv[2])
rng = random.Random(0x42524D)
with open(path, "wb") as out:
    left = size
    while left > 0:
        n = min(left, 1 << 20)
        out.write(rng.randbytes(n))
        left -= n
