// Colour distance and nearest-palette-entry lookup used to map rendered colours to indices.
#include "image_types.h"

#include <cmath>

namespace artwork {

namespace {

float WeightedSquare(float dr, float dg, float db) {
    return (2.0f * dr * dr + 4.0f * dg * dg + 3.0f * db * db) / 9.0f;
}

} // namespace

int ColourDistance(Rgb8 a, Rgb8 b) {
    const float d = WeightedSquare(float(a.r) - b.r, float(a.g) - b.g, float(a.b) - b.b);
    return int(std::sqrt(d) + 0.5f);
}

int NearestIndex(const std::vector<Rgb8> &palette, int count, float r, float g, float b) {
    int best = 0;
    float bestDistance = 1e30f;
    const int limit = count < int(palette.size()) ? count : int(palette.size());
    for (int i = 0; i < limit; ++i) {
        const Rgb8 p = palette[size_t(i)];
        const float d = WeightedSquare(r - p.r, g - p.g, b - p.b);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

} // namespace artwork
