// Renders the dusk moor title picture and its black-and-white line version.
#pragma once

#include <cstdint>
#include <vector>

#include "image_types.h"

namespace artwork {

constexpr int kPictureWidth = 427;
constexpr int kPictureHeight = 360;

// Colour distance above which neighbouring pixels count as an edge in the line picture.
constexpr int kEdgeThreshold = 30;

// Palette indices into PicturePalette(), top-down rows of kPictureWidth.
std::vector<uint8_t> RenderPictureIndices();

// Line picture in register with `indices`: 1 = white paper, 0 = black line, top-down rows.
// Returns an empty vector if `indices` is not a whole picture.
std::vector<uint8_t> RenderLineBits(const std::vector<uint8_t> &indices);

} // namespace artwork
