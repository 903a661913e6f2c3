// The picture palette: ramps for sky, sun, land, water, stone, tree and lettering.
#include "palette.h"

namespace artwork {

namespace {

// Entry counts add up to kPicturePaletteSize; the sky gets the most because it spans the
// widest smooth gradient.
const RampKeys kRamps[kRampCount] = {
    {72,
     7,
     {{22, 10, 50},
      {52, 22, 92},
      {112, 42, 116},
      {186, 70, 104},
      {236, 120, 80},
      {250, 170, 84},
      {255, 214, 128}}},
    {10, 2, {{255, 206, 120}, {255, 250, 226}}},
    {4, 2, {{150, 140, 200}, {250, 246, 255}}},
    {10, 3, {{62, 26, 78}, {150, 60, 100}, {250, 150, 110}}},
    {20, 3, {{168, 96, 126}, {116, 64, 112}, {56, 32, 70}}},
    {24, 3, {{132, 92, 62}, {92, 64, 46}, {38, 28, 26}}},
    {24, 3, {{84, 92, 54}, {40, 52, 32}, {12, 18, 12}}},
    {20, 3, {{200, 112, 172}, {128, 60, 120}, {46, 20, 46}}},
    {14, 3, {{255, 196, 130}, {200, 100, 110}, {58, 30, 70}}},
    {12, 3, {{22, 20, 26}, {96, 90, 98}, {210, 156, 124}}},
    {8, 2, {{6, 4, 10}, {64, 38, 42}}},
    {14, 3, {{255, 248, 214}, {250, 210, 120}, {222, 146, 58}}},
    {4, 2, {{12, 4, 20}, {46, 20, 62}}},
};

float Clamp01(float t) {
    return t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
}

} // namespace

const RampKeys &Ramp(RampId id) {
    return kRamps[id];
}

void RampColour(RampId id, float t, float *r, float *g, float *b) {
    const RampKeys &ramp = kRamps[id];
    const float pos = Clamp01(t) * float(ramp.keyCount - 1);
    int k = int(pos);
    if (k >= ramp.keyCount - 1) {
        k = ramp.keyCount - 2;
    }
    const float f = pos - float(k);
    const Rgb8 a = ramp.keys[k];
    const Rgb8 c = ramp.keys[k + 1];
    *r = a.r + (float(c.r) - a.r) * f;
    *g = a.g + (float(c.g) - a.g) * f;
    *b = a.b + (float(c.b) - a.b) * f;
}

const std::vector<Rgb8> &PicturePalette() {
    static const std::vector<Rgb8> palette = [] {
        std::vector<Rgb8> p;
        for (int id = 0; id < kRampCount; ++id) {
            const int n = kRamps[id].count;
            for (int i = 0; i < n; ++i) {
                float r = 0, g = 0, b = 0;
                RampColour(RampId(id), n > 1 ? float(i) / float(n - 1) : 0.0f, &r, &g, &b);
                p.push_back({uint8_t(r + 0.5f), uint8_t(g + 0.5f), uint8_t(b + 0.5f)});
            }
        }
        return p;
    }();
    return palette;
}

} // namespace artwork
