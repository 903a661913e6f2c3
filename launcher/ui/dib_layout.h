// The form of a bitmap resource the picture loader draws: an uncompressed DIB of at most 8 bits
// with a 40-byte header, its colour table and its pixel rows all inside the resource.
#pragma once
#include <cstddef>
#include <cstdint>

struct DibLayout {
    bool drawable;    // false: the loader makes nothing of it
    uint32_t colours; // entries in the colour table
    size_t bitsAt;    // where the pixel rows begin, from the resource's start
};

// Reads the header of the `size` bytes at `resource`; nothing past `size` is read, and the
// layout is drawable only when the header, the table and every pixel row fit in it.
DibLayout ReadDibLayout(const void *resource, size_t size);
