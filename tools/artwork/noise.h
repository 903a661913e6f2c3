// Deterministic pseudo-random numbers and value noise, so every run draws the same picture.
#pragma once

#include <cstdint>

namespace artwork {

// xorshift32 with a fixed seed chosen by the caller.
struct Rng {
    uint32_t state;

    uint32_t Next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    // Uniform in [0, 1).
    float Unit() { return float(Next() >> 8) / 16777216.0f; }
    float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
};

// Smooth lattice noise in [0, 1]; `octaves` layers at doubling frequency.
float ValueNoise(float x, float y, uint32_t seed, int octaves);

} // namespace artwork
