// Writes the icon directory and, per image, a double-height DIB with colour bits and AND mask.
#include "ico_writer.h"

#include "bmp_writer.h"

namespace artwork {

namespace {

constexpr uint32_t kDirHeaderSize = 6;
constexpr uint32_t kDirEntrySize = 16;
constexpr uint32_t kInfoHeaderSize = 40;

size_t Stride(int width, int bitCount) {
    return ((size_t(width) * size_t(bitCount) + 31) / 32) * 4;
}

bool ImageOk(const IconImage &im) {
    if (im.size < 1 || im.size > 256 || (im.bitCount != 4 && im.bitCount != 8)) {
        return false;
    }
    const size_t n = size_t(im.size) * size_t(im.size);
    const size_t tableSize = size_t(1) << im.bitCount;
    if (im.indices.size() != n || im.opaque.size() != n || im.palette.empty() ||
        im.palette.size() > tableSize) {
        return false;
    }
    for (uint8_t i : im.indices) {
        if (i >= im.palette.size()) {
            return false;
        }
    }
    return true;
}

uint32_t ImageBytes(const IconImage &im) {
    const size_t rows = size_t(im.size);
    const size_t table = (size_t(1) << im.bitCount) * 4;
    return uint32_t(kInfoHeaderSize + table + Stride(im.size, im.bitCount) * rows +
                    Stride(im.size, 1) * rows);
}

void PutImage(std::vector<uint8_t> &out, const IconImage &im) {
    const int s = im.size;
    const size_t colourStride = Stride(s, im.bitCount);
    const size_t maskStride = Stride(s, 1);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, uint32_t(s));
    PutU32(out, uint32_t(s) * 2); // colour bits and mask stacked
    PutU16(out, 1);
    PutU16(out, uint32_t(im.bitCount));
    PutU32(out, 0);
    PutU32(out, uint32_t((colourStride + maskStride) * size_t(s)));
    for (int i = 0; i < 4; ++i) {
        PutU32(out, 0);
    }
    const size_t tableSize = size_t(1) << im.bitCount;
    for (size_t i = 0; i < tableSize; ++i) {
        const Rgb8 c = i < im.palette.size() ? im.palette[i] : Rgb8{0, 0, 0};
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
    for (int y = s - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + colourStride, 0);
        for (int x = 0; x < s; ++x) {
            const size_t p = size_t(y) * size_t(s) + size_t(x);
            // Transparent pixels must be black so the XOR pass leaves the screen untouched.
            const uint8_t v = im.opaque[p] ? im.indices[p] : 0;
            if (im.bitCount == 8) {
                out[rowStart + size_t(x)] = v;
            } else {
                out[rowStart + size_t(x) / 2] |= uint8_t(x % 2 ? v : v << 4);
            }
        }
    }
    for (int y = s - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + maskStride, 0);
        for (int x = 0; x < s; ++x) {
            if (!im.opaque[size_t(y) * size_t(s) + size_t(x)]) {
                out[rowStart + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
            }
        }
    }
}

} // namespace

std::vector<uint8_t> EncodeIco(const std::vector<IconImage> &images) {
    std::vector<uint8_t> out;
    if (images.empty() || images.size() > 255) {
        return out;
    }
    for (const IconImage &im : images) {
        if (!ImageOk(im) || im.palette[0].r || im.palette[0].g || im.palette[0].b) {
            return out; // index 0 must be black: transparent pixels use it
        }
    }
    PutU16(out, 0);
    PutU16(out, 1); // icon, not cursor
    PutU16(out, uint32_t(images.size()));
    uint32_t offset = kDirHeaderSize + kDirEntrySize * uint32_t(images.size());
    for (const IconImage &im : images) {
        out.push_back(uint8_t(im.size == 256 ? 0 : im.size));
        out.push_back(uint8_t(im.size == 256 ? 0 : im.size));
        out.push_back(uint8_t(im.bitCount < 8 ? 1 << im.bitCount : 0));
        out.push_back(0);
        PutU16(out, 1);
        PutU16(out, uint32_t(im.bitCount));
        PutU32(out, ImageBytes(im));
        PutU32(out, offset);
        offset += ImageBytes(im);
    }
    for (const IconImage &im : images) {
        PutImage(out, im);
    }
    return out;
}

} // namespace artwork
