// Writes BITMAPFILEHEADER + BITMAPINFOHEADER + colour table + bottom-up padded rows.
#include "bmp_writer.h"

namespace artwork {

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr int kMaxSide = 16384;

bool SizeOk(int width, int height, size_t pixelCount) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           pixelCount == size_t(width) * size_t(height);
}

void PutHeaders(std::vector<uint8_t> &out, int width, int height, int bitCount,
                const std::vector<Rgb8> &table, uint32_t imageSize) {
    const uint32_t offBits = kFileHeaderSize + kInfoHeaderSize + uint32_t(table.size()) * 4;
    out.push_back('B');
    out.push_back('M');
    PutU32(out, offBits + imageSize);
    PutU32(out, 0); // reserved
    PutU32(out, offBits);
    PutU32(out, kInfoHeaderSize);
    PutU32(out, uint32_t(width));
    PutU32(out, uint32_t(height)); // positive: rows are stored bottom-up
    PutU16(out, 1);                // planes
    PutU16(out, uint32_t(bitCount));
    PutU32(out, 0); // BI_RGB
    PutU32(out, imageSize);
    PutU32(out, 0); // pixels per metre: unspecified
    PutU32(out, 0);
    PutU32(out, uint32_t(table.size()));
    PutU32(out, 0); // all colours important
    for (const Rgb8 &c : table) {
        out.push_back(c.b);
        out.push_back(c.g);
        out.push_back(c.r);
        out.push_back(0);
    }
}

} // namespace

void PutU16(std::vector<uint8_t> &out, uint32_t v) {
    out.push_back(uint8_t(v & 0xFF));
    out.push_back(uint8_t((v >> 8) & 0xFF));
}

void PutU32(std::vector<uint8_t> &out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<Rgb8> &palette,
                                const std::vector<uint8_t> &indices) {
    std::vector<uint8_t> out;
    if (!SizeOk(width, height, indices.size()) || palette.empty() || palette.size() > 256) {
        return out;
    }
    for (uint8_t i : indices) {
        if (i >= palette.size()) {
            return out;
        }
    }
    const size_t stride = (size_t(width) + 3) & ~size_t(3);
    PutHeaders(out, width, height, 8, palette, uint32_t(stride * size_t(height)));
    for (int y = height - 1; y >= 0; --y) {
        const uint8_t *row = &indices[size_t(y) * size_t(width)];
        out.insert(out.end(), row, row + width);
        out.resize(out.size() + (stride - size_t(width)), 0);
    }
    return out;
}

std::vector<uint8_t> EncodeBmp1(int width, int height, const std::vector<uint8_t> &bits) {
    std::vector<uint8_t> out;
    if (!SizeOk(width, height, bits.size())) {
        return out;
    }
    const size_t stride = ((size_t(width) + 31) / 32) * 4;
    const std::vector<Rgb8> table = {{0, 0, 0}, {255, 255, 255}};
    PutHeaders(out, width, height, 1, table, uint32_t(stride * size_t(height)));
    for (int y = height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        out.resize(rowStart + stride, 0);
        for (int x = 0; x < width; ++x) {
            if (bits[size_t(y) * size_t(width) + size_t(x)]) {
                out[rowStart + size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
            }
        }
    }
    return out;
}

} // namespace artwork
