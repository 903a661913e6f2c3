// Draws the round emblem (sky, low sun, two hills) supersampled, for the launcher and uninstaller
// icons.
#include "emblem.h"

#include <cmath>

#include "palette.h"

namespace artwork {

namespace {

constexpr int kSubSamples = 4; // per axis

struct Colour {
    float r, g, b;
};

Colour FromRamp(RampId id, float t) {
    Colour c{};
    RampColour(id, t, &c.r, &c.g, &c.b);
    return c;
}

struct Badge {
    float cx, cy, radius;
    float ring; // outline width in unit coordinates
    bool stars;
};

// Colour of the badge at (u, v) in the unit square; false when outside it.
bool BadgeAt(const Badge &b, float u, float v, Colour *out) {
    const float d = std::hypot(u - b.cx, v - b.cy);
    if (d > b.radius) {
        return false;
    }
    if (d > b.radius - b.ring) {
        *out = FromRamp(kRampOutline, 0.0f);
        return true;
    }
    // Badge-local coordinates, 0..1 across the disc.
    const float x = (u - b.cx + b.radius) / (2.0f * b.radius);
    const float y = (v - b.cy + b.radius) / (2.0f * b.radius);
    const float nearHill = 0.80f - 0.24f * std::exp(-((x - 0.28f) / 0.3f) * ((x - 0.28f) / 0.3f));
    const float farHill = 0.62f + 0.04f * std::sin(x * 9.0f);
    if (y > nearHill) {
        *out = FromRamp(kRampGrass, 0.25f + 0.6f * (y - nearHill) / (1.0f - nearHill));
    } else if (y > farHill) {
        *out = FromRamp(kRampFarHill, y - farHill < 0.03f ? 0.0f : 0.6f);
    } else if (std::hypot(x - 0.64f, y - 0.56f) < 0.2f) {
        *out = FromRamp(kRampSun, 0.4f);
    } else if (b.stars && (std::hypot(x - 0.3f, y - 0.22f) < 0.035f ||
                           std::hypot(x - 0.52f, y - 0.12f) < 0.03f)) {
        *out = FromRamp(kRampStar, 1.0f);
    } else {
        *out = FromRamp(kRampSky, y / 0.68f);
    }
    return true;
}

// Colour of the red "remove" disc with a white cross; false when outside it.
bool RemoveDiscAt(float u, float v, float ring, Colour *out) {
    const float cx = 0.72f, cy = 0.72f, radius = 0.27f;
    const float du = u - cx;
    const float dv = v - cy;
    const float d = std::hypot(du, dv);
    if (d > radius) {
        return false;
    }
    const float along1 = std::fabs(du + dv) * 0.7071f;
    const float along2 = std::fabs(du - dv) * 0.7071f;
    const bool cross = (along1 < 0.045f && along2 < 0.16f) || (along2 < 0.045f && along1 < 0.16f);
    if (d > radius - ring) {
        *out = {110, 0, 0};
    } else if (cross) {
        *out = {255, 255, 255};
    } else {
        *out = du + dv < -0.2f ? Colour{255, 110, 100} : Colour{220, 24, 24};
    }
    return true;
}

template <typename Sampler>
void Rasterise(IconImage &im, int paletteStart, int paletteCount, Sampler sample) {
    const int n = im.size;
    im.indices.assign(size_t(n) * size_t(n), 0);
    im.opaque.assign(size_t(n) * size_t(n), 0);
    for (int y = 0; y < n; ++y) {
        for (int x = 0; x < n; ++x) {
            Colour sum{0, 0, 0};
            int inside = 0;
            for (int sy = 0; sy < kSubSamples; ++sy) {
                for (int sx = 0; sx < kSubSamples; ++sx) {
                    const float u = (x + (sx + 0.5f) / kSubSamples) / float(n);
                    const float v = (y + (sy + 0.5f) / kSubSamples) / float(n);
                    Colour c{};
                    if (sample(u, v, &c)) {
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                        ++inside;
                    }
                }
            }
            const size_t p = size_t(y) * size_t(n) + size_t(x);
            if (inside * 2 >= kSubSamples * kSubSamples) {
                const float k = 1.0f / float(inside);
                const std::vector<Rgb8> candidates(im.palette.begin() + paletteStart,
                                                   im.palette.begin() + paletteStart +
                                                       paletteCount);
                im.indices[p] =
                    uint8_t(paletteStart + NearestIndex(candidates, paletteCount, sum.r * k,
                                                        sum.g * k, sum.b * k));
                im.opaque[p] = 1;
            }
        }
    }
}

} // namespace

IconImage RenderLauncherIcon(int size) {
    IconImage im;
    im.size = size;
    im.bitCount = 8;
    // Entry 0 is black for the transparent pixels; the picture palette follows.
    im.palette.push_back({0, 0, 0});
    const std::vector<Rgb8> &picture = PicturePalette();
    im.palette.insert(im.palette.end(), picture.begin(), picture.end());
    const Badge badge{0.5f, 0.5f, 0.48f, 1.2f / float(size), size >= 32};
    Rasterise(im, 1, kPicturePaletteSize,
              [&](float u, float v, Colour *c) { return BadgeAt(badge, u, v, c); });
    return im;
}

IconImage RenderUninstallerIcon(int size) {
    IconImage im;
    im.size = size;
    im.bitCount = 4;
    im.palette = {{0, 0, 0},       {22, 10, 50},    {112, 42, 116}, {236, 120, 80},
                  {255, 214, 128}, {255, 250, 226}, {56, 32, 70},   {116, 64, 112},
                  {12, 20, 12},    {42, 58, 34},    {78, 96, 52},   {110, 0, 0},
                  {220, 24, 24},   {255, 110, 100}, {12, 4, 20},    {255, 255, 255}};
    const float ring = 1.2f / float(size);
    const Badge badge{0.43f, 0.43f, 0.41f, ring, false};
    Rasterise(im, 0, 16, [&](float u, float v, Colour *c) {
        return RemoveDiscAt(u, v, ring, c) || BadgeAt(badge, u, v, c);
    });
    return im;
}

} // namespace artwork
