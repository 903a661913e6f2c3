// The title font: only the letters the artwork needs, plus the scaled, corner-smoothed renderer.
#include "font5x7.h"

namespace artwork {

namespace {

struct GlyphRow {
    char c;
    uint8_t rows[7];
};

const GlyphRow kGlyphs[] = {
    {'B', {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E}},
    {'d', {0x01, 0x01, 0x0D, 0x13, 0x11, 0x13, 0x0D}},
    {'e', {0x00, 0x00, 0x0E, 0x11, 0x1F, 0x10, 0x0E}},
    {'i', {0x04, 0x00, 0x0C, 0x04, 0x04, 0x04, 0x0E}},
    {'l', {0x0C, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}},
    {'m', {0x00, 0x00, 0x1A, 0x15, 0x15, 0x15, 0x15}},
    {'n', {0x00, 0x00, 0x16, 0x19, 0x11, 0x11, 0x11}},
    {'o', {0x00, 0x00, 0x0E, 0x11, 0x11, 0x11, 0x0E}},
    {'r', {0x00, 0x00, 0x16, 0x19, 0x10, 0x10, 0x10}},
};

// Trimmed view of one glyph: columns [first, first + width) of the 5.
struct GlyphView {
    const uint8_t *rows;
    int first;
    int width;

    bool At(int col, int row) const {
        if (col < 0 || col >= width || row < 0 || row >= 7) {
            return false;
        }
        return (rows[row] >> (4 - (first + col))) & 1;
    }
};

GlyphView Trim(const uint8_t *rows) {
    uint8_t used = 0;
    for (int r = 0; r < 7; ++r) {
        used = uint8_t(used | rows[r]);
    }
    int first = 0;
    while (first < 5 && !((used >> (4 - first)) & 1)) {
        ++first;
    }
    int last = 4;
    while (last >= first && !((used >> (4 - last)) & 1)) {
        --last;
    }
    return {rows, first, last >= first ? last - first + 1 : 0};
}

// Rounds outer corners and fills inner elbows so scaled letters do not look like staircases.
bool ScaledPixel(const GlyphView &g, int px, int py, int scale) {
    const int col = px / scale;
    const int row = py / scale;
    const int fx = px % scale;
    const int fy = py % scale;
    const int dx = fx < scale / 2 ? -1 : 1;
    const int dy = fy < scale / 2 ? -1 : 1;
    const int cx = dx < 0 ? fx : scale - 1 - fx;
    const int cy = dy < 0 ? fy : scale - 1 - fy;
    const bool inCorner = cx + cy < scale / 3;
    const bool side = g.At(col + dx, row);
    const bool vert = g.At(col, row + dy);
    if (g.At(col, row)) {
        return !(inCorner && !side && !vert && !g.At(col + dx, row + dy));
    }
    return inCorner && side && vert;
}

} // namespace

const uint8_t *Glyph5x7(char c) {
    for (const GlyphRow &g : kGlyphs) {
        if (g.c == c) {
            return g.rows;
        }
    }
    return nullptr;
}

TextMask RenderText(const char *text, int scale, int gap) {
    TextMask mask;
    if (scale < 1 || gap < 0) {
        return mask;
    }
    std::vector<GlyphView> glyphs;
    for (const char *p = text; *p; ++p) {
        if (const uint8_t *rows = Glyph5x7(*p)) {
            glyphs.push_back(Trim(rows));
        }
    }
    for (size_t i = 0; i < glyphs.size(); ++i) {
        mask.width += glyphs[i].width * scale + (i + 1 < glyphs.size() ? gap : 0);
    }
    mask.height = glyphs.empty() ? 0 : 7 * scale;
    mask.on.assign(size_t(mask.width) * size_t(mask.height), 0);
    int x0 = 0;
    for (const GlyphView &g : glyphs) {
        for (int py = 0; py < mask.height; ++py) {
            for (int px = 0; px < g.width * scale; ++px) {
                if (ScaledPixel(g, px, py, scale)) {
                    mask.on[size_t(py) * size_t(mask.width) + size_t(x0 + px)] = 1;
                }
            }
        }
        x0 += g.width * scale + gap;
    }
    return mask;
}

} // namespace artwork
