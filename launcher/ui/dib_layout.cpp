// The form of a bitmap resource the picture loader draws: an uncompressed DIB of at most 8 bits
// with a 40-byte header, its colour table and its pixel rows all inside the resource.
#include "dib_layout.h"

#include <cstring>

namespace {
const size_t kHeaderSize = 40; // BITMAPINFOHEADER

template <typename T> T FieldAt(const void *data, size_t at) {
    T value;
    std::memcpy(&value, static_cast<const unsigned char *>(data) + at, sizeof value);
    return value;
}
} // namespace

DibLayout ReadDibLayout(const void *resource, size_t size) {
    DibLayout layout = {false, 0, 0};
    if (resource == nullptr || size < kHeaderSize)
        return layout;
    const uint32_t headerSize = FieldAt<uint32_t>(resource, 0);
    const int32_t width = FieldAt<int32_t>(resource, 4), height = FieldAt<int32_t>(resource, 8);
    const uint16_t bitCount = FieldAt<uint16_t>(resource, 14);
    const uint32_t compression = FieldAt<uint32_t>(resource, 16),
                   used = FieldAt<uint32_t>(resource, 32);
    const bool palettised = bitCount == 1 || bitCount == 4 || bitCount == 8;
    if (headerSize != kHeaderSize || compression != 0 /* BI_RGB */ || !palettised || width <= 0 ||
        height == 0)
        return layout;
    const uint32_t colours = used != 0 ? used : 1u << bitCount;
    if (colours > 256)
        return layout;
    // Rows are padded to 4 bytes; a negative height draws them top down. Formed in 64 bits, no
    // header can make the sum wrap.
    const uint64_t rowBytes = (uint64_t(width) * bitCount + 31) / 32 * 4;
    const uint64_t rows = height < 0 ? uint64_t(-int64_t(height)) : uint64_t(height);
    if (kHeaderSize + 4 * uint64_t(colours) + rowBytes * rows > size)
        return layout;
    layout.colours = colours;
    layout.bitsAt = kHeaderSize + 4 * size_t(colours);
    layout.drawable = true;
    return layout;
}
