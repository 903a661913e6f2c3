// Encodes Windows icon files holding one or more palette images with AND masks.
#pragma once

#include <cstdint>
#include <vector>

#include "image_types.h"

namespace artwork {

// Returns empty if any image is malformed (size, bit count, palette or index out of range).
std::vector<uint8_t> EncodeIco(const std::vector<IconImage> &images);

} // namespace artwork
