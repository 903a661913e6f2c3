// Hash-based lattice value noise for land mottling and cloud edges.
#include "noise.h"

#include <cmath>

namespace artwork {

namespace {

float Lattice(int x, int y, uint32_t seed) {
    uint32_t h = seed ^ (uint32_t(x) * 374761393u) ^ (uint32_t(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return float(h >> 8) / 16777215.0f;
}

float Smooth(float t) {
    return t * t * (3.0f - 2.0f * t);
}

float Octave(float x, float y, uint32_t seed) {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = int(fx);
    const int iy = int(fy);
    const float tx = Smooth(x - fx);
    const float ty = Smooth(y - fy);
    const float a = Lattice(ix, iy, seed);
    const float b = Lattice(ix + 1, iy, seed);
    const float c = Lattice(ix, iy + 1, seed);
    const float d = Lattice(ix + 1, iy + 1, seed);
    const float top = a + (b - a) * tx;
    const float bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

} // namespace

float ValueNoise(float x, float y, uint32_t seed, int octaves) {
    float sum = 0.0f;
    float weight = 1.0f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += Octave(x, y, seed + uint32_t(i) * 1013u) * weight;
        total += weight;
        weight *= 0.5f;
        x *= 2.0f;
        y *= 2.0f;
    }
    return total > 0.0f ? sum / total : 0.0f;
}

} // namespace artwork
