// Encodes uncompressed bottom-up Windows bitmaps in memory.
#pragma once

#include <cstdint>
#include <vector>

#include "image_types.h"

namespace artwork {

// 8 bits per pixel with a colour table of palette.size() entries (biClrUsed says so).
// `indices` are top-down rows. Returns empty if sizes or indices do not fit.
std::vector<uint8_t> EncodeBmp8(int width, int height, const std::vector<Rgb8> &palette,
                                const std::vector<uint8_t> &indices);

// 1 bit per pixel, table {black, white}; `bits` are top-down rows of 0 (black) / 1 (white).
// Returns empty if the sizes do not fit.
std::vector<uint8_t> EncodeBmp1(int width, int height, const std::vector<uint8_t> &bits);

// Little-endian appenders shared with the icon encoder.
void PutU16(std::vector<uint8_t> &out, uint32_t v);
void PutU32(std::vector<uint8_t> &out, uint32_t v);

} // namespace artwork
