// A tiny 5x7 bitmap font for the title lettering, drawn scaled with smoothed corners.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace artwork {

// A one-byte-per-pixel coverage mask, top-down rows.
struct TextMask {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> on;
};

// Seven rows of five bits (bit 4 is the left column); nullptr for letters the font lacks.
const uint8_t *Glyph5x7(char c);

// Renders `text` with each font pixel scaled to scale x scale and `gap` pixels between letters.
// Empty glyph columns are trimmed so narrow letters sit closer. Unknown letters are skipped.
TextMask RenderText(const char *text, int scale, int gap);

} // namespace artwork
