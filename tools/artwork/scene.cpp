// Paints the dusk moor in float colour layer by layer, then maps it onto the picture palette.
#include "scene.h"

#include <cmath>

#include "font5x7.h"
#include "noise.h"
#include "palette.h"

namespace artwork {

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;
constexpr float kHorizon = 226.0f; // where the sky gradient reaches its palest gold
constexpr float kSunX = 316.0f;
constexpr float kSunY = 186.0f;
constexpr float kSunR = 22.0f;
constexpr int kTitleScale = 6;
constexpr int kTitleGap = 8;
constexpr int kTitleTop = 30;

struct Colour {
    float r, g, b;
};

struct Canvas {
    std::vector<Colour> px = std::vector<Colour>(size_t(W) * size_t(H), Colour{0, 0, 0});

    void Blend(int x, int y, Colour c, float a) {
        if (x < 0 || y < 0 || x >= W || y >= H || a <= 0.0f) {
            return;
        }
        Colour &d = px[size_t(y) * W + size_t(x)];
        a = a > 1.0f ? 1.0f : a;
        d = {d.r + (c.r - d.r) * a, d.g + (c.g - d.g) * a, d.b + (c.b - d.b) * a};
    }
};

float Clamp01(float t) {
    return t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
}

float Bump(float x, float centre, float width) {
    const float d = (x - centre) / width;
    return std::exp(-d * d);
}

Colour FromRamp(RampId id, float t) {
    Colour c{};
    RampColour(id, t, &c.r, &c.g, &c.b);
    return c;
}

Colour Mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

float FarRidge(float x) {
    return 206.0f + 10.0f * std::sin(x * 0.011f + 0.5f) + 6.0f * std::sin(x * 0.029f + 1.7f) +
           3.0f * std::sin(x * 0.07f);
}

float MidRidge(float x) {
    return 242.0f + 12.0f * std::sin(x * 0.009f + 2.2f) + 5.0f * std::sin(x * 0.031f + 0.4f) +
           2.0f * std::sin(x * 0.09f);
}

float NearRidge(float x) {
    return 292.0f - 52.0f * Bump(x, 95.0f, 105.0f) - 22.0f * Bump(x, 372.0f, 55.0f) +
           4.0f * std::sin(x * 0.05f);
}

// The stream enters from behind the middle moor near the sun and widens towards the viewer.
constexpr float kStreamTop = 246.0f;

float StreamCentre(float y) {
    const float s = (y - kStreamTop) / (H - kStreamTop);
    return 300.0f - 120.0f * s + 34.0f * std::sin(s * 7.0f);
}

float StreamHalfWidth(float y) {
    const float s = (y - kStreamTop) / (H - kStreamTop);
    return 1.2f + 3.0f * s + 26.0f * s * s;
}

Colour SkyAt(float x, float y) {
    const Colour base = FromRamp(kRampSky, y / kHorizon);
    const float d = std::hypot(x - kSunX, (y - kSunY) * 1.6f);
    return Mix(base, FromRamp(kRampSky, 1.0f), 0.5f * std::exp(-d / 80.0f));
}

void PaintSky(Canvas &c) {
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            c.px[size_t(y) * W + size_t(x)] = SkyAt(float(x), float(y));
        }
    }
}

void PaintClouds(Canvas &c) {
    struct Streak {
        float cx, cy, halfLength, halfThickness;
    };
    const Streak streaks[] = {{120, 150, 95, 5},  {262, 170, 70, 4}, {384, 138, 60, 4},
                              {48, 184, 50, 3.5}, {214, 128, 45, 3}, {392, 182, 36, 3}};
    for (const Streak &s : streaks) {
        for (int y = int(s.cy - 2 * s.halfThickness); y <= int(s.cy + 2 * s.halfThickness); ++y) {
            for (int x = int(s.cx - s.halfLength); x <= int(s.cx + s.halfLength); ++x) {
                const float u = (x - s.cx) / s.halfLength;
                const float v = (y - s.cy) / s.halfThickness;
                const float n = ValueNoise(x * 0.05f, y * 0.25f, 31, 3);
                const float cover = Clamp01((0.55f + 0.8f * n - (u * u + v * v)) * 3.0f);
                const float lit = Clamp01((v + 1.0f) * 0.5f);
                const float sunward = std::exp(-std::fabs(x - kSunX) / 220.0f);
                const float height = Clamp01(s.cy / kHorizon);
                const float t = 0.1f + 0.35f * height + 0.45f * lit * sunward;
                c.Blend(x, y, FromRamp(kRampCloud, t), cover);
            }
        }
    }
}

void PaintSun(Canvas &c) {
    for (int y = int(kSunY - kSunR - 2); y <= int(kSunY + kSunR + 2); ++y) {
        for (int x = int(kSunX - kSunR - 2); x <= int(kSunX + kSunR + 2); ++x) {
            const float d = std::hypot(x - kSunX, y - kSunY);
            const float rim = d / kSunR;
            c.Blend(x, y, FromRamp(kRampSun, 1.0f - 0.5f * rim * rim), Clamp01(kSunR - d + 0.5f));
        }
    }
}

void PaintStars(Canvas &c, int titleLeft, int titleRight, int titleBottom) {
    Rng rng{0x5EED1234u};
    for (int i = 0; i < 90; ++i) {
        const int x = int(rng.Range(2, W - 2));
        const int y = int(rng.Range(2, 118));
        const float brightness = rng.Unit();
        const bool inTitle =
            x > titleLeft - 8 && x < titleRight + 8 && y > kTitleTop - 8 && y < titleBottom + 10;
        if (inTitle) {
            continue;
        }
        const Colour star = FromRamp(kRampStar, brightness);
        c.Blend(x, y, star, 1.0f - y / 160.0f);
        if (brightness > 0.8f) {
            c.Blend(x - 1, y, star, 0.45f);
            c.Blend(x + 1, y, star, 0.45f);
            c.Blend(x, y - 1, star, 0.45f);
            c.Blend(x, y + 1, star, 0.45f);
        }
    }
}

// Covers each column from the ridge down, anti-aliasing the ridge pixel.
template <typename Ridge, typename Shade> void PaintLayer(Canvas &c, Ridge ridge, Shade shade) {
    for (int x = 0; x < W; ++x) {
        const float top = ridge(float(x));
        for (int y = int(top); y < H; ++y) {
            c.Blend(x, y, shade(float(x), float(y), y - top), Clamp01(y + 1.0f - top));
        }
    }
}

void PaintLand(Canvas &c) {
    PaintLayer(c, FarRidge, [](float x, float y, float depth) {
        const float n = ValueNoise(x * 0.04f, y * 0.08f, 11, 2) - 0.5f;
        const float t = depth < 1.5f ? 0.0f : 0.25f + 0.6f * Clamp01(depth / 26.0f) + 0.15f * n;
        const Colour hill = FromRamp(kRampFarHill, t);
        return Mix(hill, FromRamp(kRampSky, 0.9f),
                   0.35f * Bump(x, kSunX, 70.0f) * (1.0f - Clamp01(depth / 14.0f)));
    });
    PaintLayer(c, MidRidge, [](float x, float y, float depth) {
        if (depth < 1.5f) {
            return FromRamp(kRampMoor, 0.05f);
        }
        const float n = ValueNoise(x * 0.03f, y * 0.09f, 77, 3);
        const float t = 0.2f + 0.55f * Clamp01(depth / 50.0f) + 0.2f * (n - 0.5f);
        const Colour moor = FromRamp(kRampMoor, t);
        return Mix(moor, FromRamp(kRampHeather, 0.45f + 0.3f * t), Clamp01((n - 0.56f) * 8.0f));
    });
    PaintLayer(c, NearRidge, [](float x, float y, float depth) {
        if (depth < 1.5f) {
            return FromRamp(kRampGrass, 0.0f);
        }
        const float n = ValueNoise(x * 0.04f, y * 0.1f, 99, 3);
        const float fade = Clamp01((y - 250.0f) / 110.0f);
        const float t = 0.25f + 0.3f * Clamp01(depth / 40.0f) + 0.4f * fade + 0.15f * (n - 0.5f);
        const Colour grass = FromRamp(kRampGrass, t);
        return Mix(grass, FromRamp(kRampHeather, 0.6f + 0.3f * fade), Clamp01((n - 0.55f) * 4.0f));
    });
}

bool InStream(float x, float y, float margin) {
    return y >= kStreamTop && std::fabs(x - StreamCentre(y)) < StreamHalfWidth(y) + margin;
}

void PaintStream(Canvas &c) {
    for (int y = int(kStreamTop); y < H; ++y) {
        const float cx = StreamCentre(float(y));
        const float hw = StreamHalfWidth(float(y));
        const float s = (y - kStreamTop) / (H - kStreamTop);
        for (int x = int(cx - hw - 3); x <= int(cx + hw + 3); ++x) {
            if (y < MidRidge(float(x)) + 2.0f) {
                continue;
            }
            const float off = std::fabs(x - cx);
            c.Blend(x, y, FromRamp(kRampMoor, 1.0f), Clamp01(hw + 1.6f - off));
            const float edge = (off / hw) * (off / hw);
            float t = 0.05f + 0.45f * s + 0.15f * edge;
            const bool glint = ValueNoise(x * 0.15f, y * 0.5f, 3, 1) > 0.55f;
            if (glint &&
                std::fmod(y + 2.0f * std::sin(x * 0.21f) + 40.0f, 5.0f + 4.0f * s) < 1.0f) {
                t -= 0.25f; // ripple catching the sunset
            }
            c.Blend(x, y, FromRamp(kRampWater, t), Clamp01(hw - off + 0.5f));
        }
    }
}

void PaintHeatherTufts(Canvas &c) {
    Rng rng{0xB10F5EEDu};
    for (int i = 0; i < 1500; ++i) {
        const float x = rng.Range(0, W);
        const float top = MidRidge(x) + 6.0f;
        const float y = top + (H - top) * std::sqrt(rng.Unit());
        const float near = Clamp01((y - top) / (H - top));
        const int length = 1 + int(3.0f * near) + int(rng.Next() % 2);
        const bool grass = rng.Unit() < 0.3f;
        const float shade = rng.Unit();
        if (InStream(x, y, 3.0f) || InStream(x, y - float(length), 3.0f)) {
            continue;
        }
        const Colour tip = grass ? FromRamp(kRampGrass, 0.05f + 0.2f * shade)
                                 : FromRamp(kRampHeather, 0.05f + 0.4f * shade);
        for (int k = 0; k < length; ++k) {
            const int lean = grass ? k / 2 : 0;
            c.Blend(int(x) + lean, int(y) - k, tip, 0.9f);
        }
        c.Blend(int(x), int(y) + 1, FromRamp(kRampHeather, 0.95f), 0.7f);
    }
}

void PaintStone(Canvas &c, float baseX, float height, float lean) {
    const float ground = NearRidge(baseX) + 4.0f;
    const float top = ground - height;
    for (int y = int(top) - 1; y <= int(ground) + 1; ++y) {
        const float t = (y - top) / height;
        float halfWidth = height * 0.14f + height * 0.06f * t;
        if (t < 0.14f) {
            const float k = (0.14f - t) / 0.14f;
            halfWidth *= std::sqrt(Clamp01(1.0f - k * k));
        }
        const float centre = baseX - lean * (1.0f - t);
        const float left = centre - halfWidth;
        for (int x = int(left) - 1; x <= int(centre + halfWidth) + 1; ++x) {
            const float cover = Clamp01(halfWidth + 0.5f - std::fabs(x - centre)) *
                                Clamp01(y + 1.0f - top) * Clamp01(ground + 1.0f - y);
            const float u = (x - left) / (2.0f * halfWidth);
            const float n = ValueNoise(x * 0.3f, y * 0.15f, 5, 2);
            const float shade = u < 0.3f ? 0.95f - 1.5f * u : 0.05f + 0.22f * n;
            c.Blend(x, y, FromRamp(kRampStone, shade), cover);
        }
    }
}

struct Limb {
    float x0, y0, x1, y1, r0, r1;
};

const Limb kLimbs[] = {
    {96, 241, 99, 222, 5.0f, 4.0f},   {99, 222, 94, 206, 4.0f, 3.5f},
    {94, 206, 103, 192, 3.5f, 3.0f},  {103, 192, 118, 181, 3.0f, 2.2f},
    {118, 181, 140, 175, 2.2f, 1.4f}, {140, 175, 160, 178, 1.4f, 0.8f},
    {94, 206, 80, 196, 2.2f, 1.2f},   {80, 196, 70, 184, 1.2f, 0.7f},
    {103, 192, 98, 176, 2.0f, 1.2f},  {98, 176, 106, 164, 1.2f, 0.7f},
    {118, 181, 126, 166, 1.6f, 0.9f}, {126, 166, 142, 158, 0.9f, 0.6f},
    {140, 175, 152, 166, 1.0f, 0.6f}, {99, 222, 112, 214, 1.6f, 0.8f},
    {112, 214, 122, 214, 0.8f, 0.5f},
};

struct Clump {
    float x, y, r;
};

const Clump kClumps[] = {{100, 172, 8}, {112, 166, 9}, {126, 162, 10}, {140, 164, 9}, {154, 168, 7},
                         {166, 174, 5}, {86, 188, 7},  {74, 184, 5},   {118, 176, 6}};

// Coverage of the crooked tree at a point: tapered limbs plus ragged, wind-flattened clumps.
float TreeCover(float x, float y) {
    float cover = 0.0f;
    for (const Limb &l : kLimbs) {
        const float dx = l.x1 - l.x0;
        const float dy = l.y1 - l.y0;
        const float t = Clamp01(((x - l.x0) * dx + (y - l.y0) * dy) / (dx * dx + dy * dy));
        const float d = std::hypot(x - (l.x0 + t * dx), y - (l.y0 + t * dy));
        const float r = l.r0 + (l.r1 - l.r0) * t;
        cover = std::fmax(cover, Clamp01(r - d + 0.5f));
    }
    for (const Clump &k : kClumps) {
        const float d = std::hypot(x - k.x, (y - k.y) * 1.7f);
        const float ragged = k.r * (0.7f + 0.55f * ValueNoise(x * 0.3f, y * 0.3f, 57, 2));
        cover = std::fmax(cover, Clamp01(ragged - d + 0.5f));
    }
    return cover;
}

void PaintTree(Canvas &c) {
    for (int y = 140; y < 246; ++y) {
        for (int x = 50; x < 180; ++x) {
            const float cover = TreeCover(float(x), float(y));
            // The sun is to the right: edges facing it catch a little warm light.
            const bool rim = TreeCover(x + 2.0f, y - 1.0f) < 0.5f;
            c.Blend(x, y, FromRamp(kRampTree, rim ? 0.85f : 0.1f), cover);
        }
    }
}

bool MaskAt(const TextMask &m, int x, int y) {
    return x >= 0 && y >= 0 && x < m.width && y < m.height && m.on[size_t(y) * m.width + x];
}

void PaintTitle(Canvas &c, const TextMask &m, int left) {
    const int pad = 6;
    std::vector<uint8_t> outline(size_t(m.width + 2 * pad) * size_t(m.height + 2 * pad), 0);
    const int ow = m.width + 2 * pad;
    for (int y = -pad; y < m.height + pad; ++y) {
        for (int x = -pad; x < m.width + pad; ++x) {
            bool near = false;
            for (int dy = -2; dy <= 2 && !near; ++dy) {
                for (int dx = -2; dx <= 2 && !near; ++dx) {
                    near = dx * dx + dy * dy <= 5 && MaskAt(m, x + dx, y + dy);
                }
            }
            outline[size_t(y + pad) * ow + size_t(x + pad)] = near;
        }
    }
    const Colour shadow = FromRamp(kRampOutline, 1.0f);
    const Colour edge = FromRamp(kRampOutline, 0.0f);
    for (int pass = 0; pass < 2; ++pass) {
        const int shift = pass == 0 ? 3 : 0;
        for (int y = 0; y < m.height + 2 * pad; ++y) {
            for (int x = 0; x < ow; ++x) {
                if (outline[size_t(y) * ow + x]) {
                    c.Blend(left - pad + x + shift, kTitleTop - pad + y + shift,
                            pass == 0 ? shadow : edge, pass == 0 ? 0.7f : 1.0f);
                }
            }
        }
    }
    for (int y = 0; y < m.height; ++y) {
        for (int x = 0; x < m.width; ++x) {
            if (MaskAt(m, x, y)) {
                float t = 0.15f + 0.85f * float(y) / float(m.height);
                if (!MaskAt(m, x, y - 2)) {
                    t = 0.0f; // bevel highlight along top edges
                }
                c.Blend(left + x, kTitleTop + y, FromRamp(kRampTitle, t), 1.0f);
            }
        }
    }
}

} // namespace

std::vector<uint8_t> RenderPictureIndices() {
    Canvas c;
    const TextMask title = RenderText("Brindlemoor", kTitleScale, kTitleGap);
    const int titleLeft = (W - title.width) / 2;
    PaintSky(c);
    PaintStars(c, titleLeft, titleLeft + title.width, kTitleTop + title.height);
    PaintClouds(c);
    PaintSun(c);
    PaintLand(c);
    PaintStream(c);
    PaintHeatherTufts(c);
    PaintStone(c, 372.0f, 50.0f, 5.0f);
    PaintStone(c, 400.0f, 16.0f, -2.0f);
    PaintTree(c);
    PaintTitle(c, title, titleLeft);

    // A small ordered dither hides the steps between neighbouring ramp entries.
    static const int kBayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    const std::vector<Rgb8> &palette = PicturePalette();
    std::vector<uint8_t> indices(size_t(W) * size_t(H));
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const float d = (kBayer[y & 3][x & 3] - 7.5f) * 0.6f;
            const Colour p = c.px[size_t(y) * W + size_t(x)];
            indices[size_t(y) * W + size_t(x)] =
                uint8_t(NearestIndex(palette, kPicturePaletteSize, p.r + d, p.g + d, p.b + d));
        }
    }
    return indices;
}

std::vector<uint8_t> RenderLineBits(const std::vector<uint8_t> &indices) {
    std::vector<uint8_t> bits;
    const std::vector<Rgb8> &palette = PicturePalette();
    if (indices.size() != size_t(W) * size_t(H)) {
        return bits;
    }
    bits.assign(indices.size(), 1);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const size_t p = size_t(y) * W + size_t(x);
            const Rgb8 here = palette[indices[p] % palette.size()];
            const bool right =
                x + 1 < W &&
                ColourDistance(here, palette[indices[p + 1] % palette.size()]) > kEdgeThreshold;
            const bool below =
                y + 1 < H &&
                ColourDistance(here, palette[indices[p + W] % palette.size()]) > kEdgeThreshold;
            if (right || below) {
                bits[p] = 0;
            }
        }
    }
    return bits;
}

} // namespace artwork
