// Checks the generated artwork: bitmap and icon headers, a real picture, and a line picture in
// register.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <vector>

#include "tools/artwork/bmp_writer.h"
#include "tools/artwork/emblem.h"
#include "tools/artwork/font5x7.h"
#include "tools/artwork/ico_writer.h"
#include "tools/artwork/palette.h"
#include "tools/artwork/scene.h"

using namespace artwork;

namespace {

constexpr int W = kPictureWidth;
constexpr int H = kPictureHeight;

uint32_t U16(const std::vector<uint8_t> &b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t U32(const std::vector<uint8_t> &b, size_t at) {
    return U16(b, at) | (U16(b, at + 2) << 16);
}

// Shared render: the picture is deterministic, so one copy serves every test.
const std::vector<uint8_t> &Picture() {
    static const std::vector<uint8_t> indices = RenderPictureIndices();
    return indices;
}

// Reads the colours of an encoded 8-bit bitmap back into top-down RGB, independent of the encoder.
std::vector<Rgb8> DecodeBmp8(const std::vector<uint8_t> &file) {
    const size_t off = U32(file, 10);
    const size_t stride = (W + 3) & ~3;
    std::vector<Rgb8> out(size_t(W) * H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const uint8_t i = file[off + size_t(H - 1 - y) * stride + x];
            const size_t q = 54 + size_t(i) * 4;
            out[size_t(y) * W + x] = {file[q + 2], file[q + 1], file[q]};
        }
    }
    return out;
}

// Reads a 1-bit bitmap back into top-down 0/1 values through its colour table.
std::vector<uint8_t> DecodeBmp1White(const std::vector<uint8_t> &file) {
    const size_t off = U32(file, 10);
    const size_t stride = ((W + 31) / 32) * 4;
    std::vector<uint8_t> out(size_t(W) * H);
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            const int bit = (file[off + size_t(H - 1 - y) * stride + x / 8] >> (7 - x % 8)) & 1;
            out[size_t(y) * W + x] = file[54 + size_t(bit) * 4] == 255; // blue of the entry
        }
    }
    return out;
}

bool StrongEdgeNear(const std::vector<Rgb8> &rgb, int x, int y, int threshold) {
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < W && ny < H &&
                ColourDistance(rgb[size_t(y) * W + x], rgb[size_t(ny) * W + nx]) > threshold) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

TEST(ArtworkBitmap, PictureHeaderAndTable) {
    const std::vector<Rgb8> &palette = PicturePalette();
    ASSERT_EQ(palette.size(), 236u);
    const std::vector<uint8_t> f = EncodeBmp8(W, H, palette, Picture());
    ASSERT_GT(f.size(), 54u + 236 * 4);
    EXPECT_EQ(f[0], 'B');
    EXPECT_EQ(f[1], 'M');
    EXPECT_EQ(U32(f, 2), f.size());
    EXPECT_EQ(U32(f, 10), 14u + 40 + 236 * 4);
    EXPECT_EQ(U32(f, 14), 40u);
    EXPECT_EQ(U32(f, 18), 427u);
    EXPECT_EQ(U32(f, 22), 360u); // positive: bottom-up
    EXPECT_EQ(U16(f, 26), 1u);
    EXPECT_EQ(U16(f, 28), 8u);
    EXPECT_EQ(U32(f, 30), 0u);
    EXPECT_EQ(U32(f, 34), 428u * 360);
    EXPECT_EQ(U32(f, 46), 236u);
    EXPECT_EQ(U32(f, 10) + U32(f, 34), f.size());
    EXPECT_EQ(f[54 + 5 * 4], palette[5].b);
    EXPECT_EQ(f[54 + 5 * 4 + 2], palette[5].r);
    // The first stored row is the bottom of the picture.
    EXPECT_EQ(f[U32(f, 10) + 10], Picture()[size_t(H - 1) * W + 10]);
}

TEST(ArtworkBitmap, LineHeaderAndTable) {
    const std::vector<uint8_t> f = EncodeBmp1(W, H, RenderLineBits(Picture()));
    ASSERT_GT(f.size(), 62u);
    EXPECT_EQ(U32(f, 2), f.size());
    EXPECT_EQ(U32(f, 10), 14u + 40 + 8);
    EXPECT_EQ(U32(f, 18), 427u);
    EXPECT_EQ(U32(f, 22), 360u);
    EXPECT_EQ(U16(f, 28), 1u);
    EXPECT_EQ(U32(f, 30), 0u);
    EXPECT_EQ(U32(f, 34), 56u * 360);
    EXPECT_EQ(U32(f, 46), 2u);
    EXPECT_EQ(U32(f, 54), 0x000000u);
    EXPECT_EQ(U32(f, 58), 0xFFFFFFu);
    EXPECT_EQ(U32(f, 10) + U32(f, 34), f.size());
}

TEST(ArtworkBitmap, EncodersRejectMismatchedInput) {
    const std::vector<Rgb8> two = {{0, 0, 0}, {9, 9, 9}};
    EXPECT_TRUE(EncodeBmp8(4, 2, two, std::vector<uint8_t>(7, 0)).empty());
    EXPECT_TRUE(EncodeBmp8(4, 2, two, std::vector<uint8_t>(8, 2)).empty()); // index past table
    EXPECT_TRUE(EncodeBmp8(0, 2, two, {}).empty());
    EXPECT_TRUE(EncodeBmp1(5, 3, std::vector<uint8_t>(14, 1)).empty());
    EXPECT_TRUE(RenderLineBits(std::vector<uint8_t>(100, 0)).empty());
    // Odd widths still pad each row to four bytes.
    EXPECT_EQ(EncodeBmp8(5, 3, two, std::vector<uint8_t>(15, 1)).size(), 54u + 8 + 8 * 3);
    EXPECT_EQ(EncodeBmp1(33, 2, std::vector<uint8_t>(66, 1)).size(), 62u + 8 * 2);
}

TEST(ArtworkPicture, IsARealIllustration) {
    const std::vector<uint8_t> &px = Picture();
    ASSERT_EQ(px.size(), size_t(W) * H);
    EXPECT_GT(std::set<uint8_t>(px.begin(), px.end()).size(), 100u);

    // A gradient or flat fill has no strong edges along rows or columns.
    const std::vector<Rgb8> &pal = PicturePalette();
    int rowsWithEdges = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x + 1 < W; ++x) {
            if (ColourDistance(pal[px[size_t(y) * W + x]], pal[px[size_t(y) * W + x + 1]]) >
                kEdgeThreshold) {
                ++rowsWithEdges;
                break;
            }
        }
    }
    EXPECT_GT(rowsWithEdges, H * 3 / 5);

    // Dusk: dark violet at the top, bright warm light low in the sky.
    auto rowMean = [&](int y0, int y1, int channel) {
        long sum = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = 0; x < W; ++x) {
                const Rgb8 c = pal[px[size_t(y) * W + x]];
                sum += channel == 0 ? c.r : (channel == 1 ? c.g : c.b);
            }
        }
        return sum / long((y1 - y0) * W);
    };
    EXPECT_LT(rowMean(0, 10, 0), 60);
    EXPECT_GT(rowMean(0, 10, 2), rowMean(0, 10, 1));
    EXPECT_GT(rowMean(170, 180, 0), 200);
    EXPECT_GT(rowMean(170, 180, 0), rowMean(170, 180, 2));

    EXPECT_EQ(RenderPictureIndices(), px); // same bytes on every run
}

TEST(ArtworkPicture, LinePictureIsInRegister) {
    const std::vector<Rgb8> rgb = DecodeBmp8(EncodeBmp8(W, H, PicturePalette(), Picture()));
    const std::vector<uint8_t> white = DecodeBmp1White(EncodeBmp1(W, H, RenderLineBits(Picture())));
    long black = 0, onEdge = 0;
    for (int y = 0; y < H; ++y) {
        for (int x = 0; x < W; ++x) {
            if (!white[size_t(y) * W + x]) {
                ++black;
                onEdge += StrongEdgeNear(rgb, x, y, kEdgeThreshold);
            }
        }
    }
    EXPECT_GT(black, long(W) * H / 30);
    EXPECT_LT(black, long(W) * H / 3);
    EXPECT_EQ(onEdge, black);

    // Every strong colour edge has a line on or next to it.
    long strong = 0, covered = 0;
    for (int y = 1; y + 1 < H; ++y) {
        for (int x = 1; x + 1 < W; ++x) {
            if (ColourDistance(rgb[size_t(y) * W + x], rgb[size_t(y) * W + x + 1]) >
                2 * kEdgeThreshold) {
                ++strong;
                bool line = false;
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        line = line || !white[size_t(y + dy) * W + x + dx];
                    }
                }
                covered += line;
            }
        }
    }
    ASSERT_GT(strong, 1000);
    EXPECT_EQ(covered, strong);
}

TEST(ArtworkFont, TitleLettersExistAndNarrowOnesAreTrimmed) {
    for (const char *p = "Brindlemoor"; *p; ++p) {
        EXPECT_NE(Glyph5x7(*p), nullptr) << *p;
    }
    EXPECT_EQ(Glyph5x7('Z'), nullptr);
    const TextMask m = RenderText("iZi", 1, 1); // 'i' is three columns wide, 'Z' is skipped
    ASSERT_EQ(m.width, 7);
    ASSERT_EQ(m.height, 7);
    for (int y = 0; y < 7; ++y) {
        EXPECT_EQ(m.on[size_t(y) * 7 + 3], 0) << "gap column must stay empty";
    }
}

namespace {

struct IcoEntry {
    int width, height, colours, planes, bits;
    uint32_t bytes, offset;
};

std::vector<IcoEntry> ParseIco(const std::vector<uint8_t> &f) {
    std::vector<IcoEntry> entries;
    if (f.size() < 6 || U16(f, 0) != 0 || U16(f, 2) != 1) {
        return entries;
    }
    for (uint32_t i = 0; i < U16(f, 4) && 6 + 16 * (i + 1) <= f.size(); ++i) {
        const size_t e = 6 + 16 * i;
        entries.push_back({f[e], f[e + 1], f[e + 2], int(U16(f, e + 4)), int(U16(f, e + 6)),
                           U32(f, e + 8), U32(f, e + 12)});
    }
    return entries;
}

// Checks one embedded image and returns whether the AND mask bit of (x, y) is set.
bool MaskBit(const std::vector<uint8_t> &f, const IcoEntry &e, int x, int y) {
    const size_t table = size_t(1) << e.bits;
    const size_t colourStride = ((size_t(e.width) * e.bits + 31) / 32) * 4;
    const size_t maskStride = ((size_t(e.width) + 31) / 32) * 4;
    const size_t mask = e.offset + 40 + table * 4 + colourStride * e.height;
    return (f[mask + size_t(e.height - 1 - y) * maskStride + x / 8] >> (7 - x % 8)) & 1;
}

void ExpectImage(const std::vector<uint8_t> &f, const IcoEntry &e, int size, int bits) {
    EXPECT_EQ(e.width, size);
    EXPECT_EQ(e.height, size);
    EXPECT_EQ(e.colours, bits == 4 ? 16 : 0);
    EXPECT_EQ(e.planes, 1);
    EXPECT_EQ(e.bits, bits);
    const uint32_t colourBytes = uint32_t(((size * bits + 31) / 32) * 4 * size);
    const uint32_t maskBytes = uint32_t(((size + 31) / 32) * 4 * size);
    EXPECT_EQ(e.bytes, 40 + (4u << bits) + colourBytes + maskBytes);
    ASSERT_LE(size_t(e.offset) + e.bytes, f.size());
    EXPECT_EQ(U32(f, e.offset), 40u);
    EXPECT_EQ(U32(f, e.offset + 4), uint32_t(size));
    EXPECT_EQ(U32(f, e.offset + 8), uint32_t(2 * size));
    EXPECT_EQ(U16(f, e.offset + 14), uint32_t(bits));
    EXPECT_TRUE(MaskBit(f, e, 0, 0)) << "corners of the round emblem are transparent";
    EXPECT_TRUE(MaskBit(f, e, size - 1, 0));
    EXPECT_FALSE(MaskBit(f, e, size / 2, size / 2)) << "the middle is drawn";
}

} // namespace

TEST(ArtworkIcon, LauncherHasBothSizes) {
    const std::vector<uint8_t> f = EncodeIco({RenderLauncherIcon(32), RenderLauncherIcon(16)});
    const std::vector<IcoEntry> e = ParseIco(f);
    ASSERT_EQ(e.size(), 2u);
    EXPECT_EQ(e[0].offset, 6u + 2 * 16);
    ExpectImage(f, e[0], 32, 8);
    ExpectImage(f, e[1], 16, 8);
    EXPECT_EQ(e[1].offset, e[0].offset + e[0].bytes);
    EXPECT_EQ(size_t(e[1].offset) + e[1].bytes, f.size());
}

TEST(ArtworkIcon, UninstallerIsSixteenColoursWithRedMark) {
    const IconImage im = RenderUninstallerIcon(32);
    const std::vector<uint8_t> f = EncodeIco({im});
    const std::vector<IcoEntry> e = ParseIco(f);
    ASSERT_EQ(e.size(), 1u);
    ExpectImage(f, e[0], 32, 4);
    EXPECT_EQ(size_t(e[0].offset) + e[0].bytes, f.size());
    int red = 0;
    for (size_t p = 0; p < im.indices.size(); ++p) {
        const Rgb8 c = im.palette[im.indices[p]];
        red += im.opaque[p] && c.r > 180 && c.g < 60 && c.b < 60;
    }
    EXPECT_GT(red, 40);
}

TEST(ArtworkIcon, EncoderRejectsBadImages) {
    IconImage im = RenderUninstallerIcon(32);
    im.indices[7] = 16; // beyond the 16-entry table
    EXPECT_TRUE(EncodeIco({im}).empty());
    im = RenderUninstallerIcon(32);
    im.palette[0] = {1, 2, 3}; // transparent pixels need a black entry 0
    EXPECT_TRUE(EncodeIco({im}).empty());
    EXPECT_TRUE(EncodeIco({}).empty());
}
