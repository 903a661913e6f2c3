// Reading the title's artwork BMPs and writing screenshots, for picture comparisons in tests.
#pragma once

#include <string>
#include <vector>

struct RgbImage {
    int width = 0, height = 0;
    std::vector<unsigned> pixels; // 0x00RRGGBB, top row first
    unsigned At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// Reads an uncompressed palettised BMP (1, 4 or 8 bits per pixel); false when it cannot.
bool ReadPaletteBmp(const std::string &windowsPath, RgbImage *image);

// Writes pixels (0x00RRGGBB, top row first) as a 24-bit BMP.
bool WriteBmp24(const std::string &windowsPath, const RgbImage &image);

// Windows path of a generated artwork file (picture.bmp, progress.bmp): from BRINDLE_ARTWORK, else
// the host build's generated folder beside BRINDLE_BUILD.
std::string ArtworkPath(const std::string &name);

// Windows path of a screenshot for the report: BRINDLE_SCREENS, else BRINDLE_BUILD/screens/.
std::string ScreenshotPath(const std::string &name);

// Largest difference of any colour channel between two 0x00RRGGBB values.
int ChannelDistance(unsigned a, unsigned b);

// Pixels of `area` (0x00RRGGBB, top row first, `width` wide) compared with the image placed at
// (0, 0) of the area, over rows [firstRow, lastRow): the share of compared pixels further than
// `tolerance` from the image.
double MismatchShare(const std::vector<unsigned> &area, int width, const RgbImage &image,
                     int firstRow, int lastRow, int tolerance);
