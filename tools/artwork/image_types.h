// Plain pixel and image structs shared by the artwork renderers and encoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artwork {

struct Rgb8 {
    uint8_t r;
    uint8_t g;
    uint8_t b;
};

// One icon image: palette indices and opacity, both top-down rows of size*size.
struct IconImage {
    int size = 0;
    int bitCount = 0;          // 4 or 8
    std::vector<Rgb8> palette; // at most 1 << bitCount entries
    std::vector<uint8_t> indices;
    std::vector<uint8_t> opaque; // 1 = drawn, 0 = transparent
};

// Distance between two colours, weighted towards green like the eye, roughly in RGB units.
int ColourDistance(Rgb8 a, Rgb8 b);

// Index of the palette entry nearest to (r, g, b) among the first `count` entries.
int NearestIndex(const std::vector<Rgb8> &palette, int count, float r, float g, float b);

} // namespace artwork
