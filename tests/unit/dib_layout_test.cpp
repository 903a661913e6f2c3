// The picture loader's reading of bitmap resources: only a DIB whose header, colour table and
// every pixel row lie inside the resource is drawn.
#include <gtest/gtest.h>

#include "launcher/ui/dib_layout.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace {
struct Header {
    int32_t width, height;
    uint16_t bitCount;
    uint32_t compression, colours, size;
};

// The resource bytes: a 40-byte header with these fields, then zeros up to `size` bytes (so a
// read past them is caught).
std::vector<unsigned char> Resource(const Header &h) {
    std::vector<unsigned char> data(h.size, 0);
    unsigned char header[40] = {};
    const uint32_t headerSize = 40;
    const uint16_t planes = 1;
    std::memcpy(header, &headerSize, 4);
    std::memcpy(header + 4, &h.width, 4);
    std::memcpy(header + 8, &h.height, 4);
    std::memcpy(header + 12, &planes, 2);
    std::memcpy(header + 14, &h.bitCount, 2);
    std::memcpy(header + 16, &h.compression, 4);
    std::memcpy(header + 32, &h.colours, 4);
    std::memcpy(data.data(), header, h.size < 40 ? h.size : 40);
    return data;
}
} // namespace

TEST(ReadDibLayout, HeaderTableAndEveryRowInsideTheResource) {
    // The picture: 427 x 360, 8 bits, 236 colours; rows of 428 bytes.
    const size_t picture = 40 + 4 * 236 + 428 * 360;
    // The progress picture: 1 bit, 2 colours; rows of 56 bytes.
    const size_t progress = 40 + 8 + 56 * 360;
    const struct {
        const char *what;
        Header header;
        bool drawable;
    } rows[] = {
        {"the picture", {427, 360, 8, 0, 236, uint32_t(picture)}, true},
        {"the picture, one byte short", {427, 360, 8, 0, 236, uint32_t(picture - 1)}, false},
        {"rows drawn top down", {427, -360, 8, 0, 236, uint32_t(picture)}, true},
        {"the progress picture", {427, 360, 1, 0, 0, uint32_t(progress)}, true},
        {"a table of 2^8 for no count", {1, 1, 8, 0, 0, 40 + 1024 + 4}, true},
        {"a width whose rows pass 32 bits", {0x7FFFFFFF, 2, 8, 0, 2, 40 + 8 + 64}, false},
        {"a height of most negative", {4, INT32_MIN, 8, 0, 2, 40 + 8 + 64}, false},
        {"no width", {0, 360, 8, 0, 2, 40 + 8}, false},
        {"no rows", {427, 0, 8, 0, 2, 40 + 8}, false},
        {"24 bits", {1, 1, 24, 0, 0, 40 + 4}, false},
        {"no bits", {1, 1, 0, 0, 1, 40 + 4}, false},
        {"compressed", {1, 1, 8, 1 /* BI_RLE8 */, 2, 40 + 8 + 4}, false},
        {"257 colours", {1, 1, 8, 0, 257, 40 + 4 * 257 + 4}, false},
        {"a table past the end", {1, 1, 8, 0, 236, 40 + 4 * 235}, false},
        {"less than a header", {1, 1, 8, 0, 2, 39}, false},
    };
    for (const auto &row : rows) {
        const std::vector<unsigned char> data = Resource(row.header);
        const DibLayout layout = ReadDibLayout(data.data(), data.size());
        EXPECT_EQ(row.drawable, layout.drawable) << row.what;
    }
    const std::vector<unsigned char> data = Resource({427, 360, 8, 0, 236, uint32_t(picture)});
    const DibLayout layout = ReadDibLayout(data.data(), data.size());
    EXPECT_EQ(236u, layout.colours);
    EXPECT_EQ(40u + 4 * 236, layout.bitsAt);
}
