// Reading the title's artwork BMPs and writing screenshots, for picture comparisons in tests.
#include "bmp_image.h"

#include <cstdlib>

#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

namespace {
unsigned U16(const std::string &b, size_t at) {
    return unsigned(static_cast<unsigned char>(b[at])) |
           unsigned(static_cast<unsigned char>(b[at + 1])) << 8;
}
unsigned U32(const std::string &b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}
void Put16(std::string &b, unsigned v) {
    b += char(v & 0xFF);
    b += char((v >> 8) & 0xFF);
}
void Put32(std::string &b, unsigned v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
std::string FromEnvOrBuild(const char *variable, const std::string &underBuild,
                           const std::string &name) {
    const char *set = std::getenv(variable);
    if (set != NULL && set[0] != '\0')
        return WindowsPathOf(std::string(set) + "/" + name);
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : ".") + "/" + underBuild + "/" + name);
}
} // namespace

bool ReadPaletteBmp(const std::string &windowsPath, RgbImage *image) {
    const std::string b = ReadWholeFile(windowsPath);
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M')
        return false;
    const unsigned offBits = U32(b, 10), headerSize = U32(b, 14);
    const int width = int(U32(b, 18));
    int height = int(U32(b, 22));
    const unsigned bits = U16(b, 28), compression = U32(b, 30);
    unsigned colours = U32(b, 46);
    if (compression != 0 || (bits != 1 && bits != 4 && bits != 8) || width <= 0)
        return false;
    if (colours == 0)
        colours = 1u << bits;
    const bool topDown = height < 0;
    if (topDown)
        height = -height;
    const size_t stride = ((size_t(width) * bits + 31) / 32) * 4;
    if (14 + headerSize + 4 * colours > b.size() || offBits + stride * size_t(height) > b.size())
        return false;
    std::vector<unsigned> table(colours);
    for (unsigned i = 0; i < colours; ++i) {
        const size_t at = 14 + headerSize + 4 * i;
        table[i] = unsigned(static_cast<unsigned char>(b[at + 2])) << 16 |
                   unsigned(static_cast<unsigned char>(b[at + 1])) << 8 |
                   unsigned(static_cast<unsigned char>(b[at]));
    }
    image->width = width;
    image->height = height;
    image->pixels.assign(size_t(width) * size_t(height), 0);
    for (int y = 0; y < height; ++y) {
        const size_t row = offBits + stride * size_t(topDown ? y : height - 1 - y);
        for (int x = 0; x < width; ++x) {
            const size_t bit = size_t(x) * bits;
            const unsigned byte = static_cast<unsigned char>(b[row + bit / 8]);
            const unsigned index = (byte >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
            image->pixels[size_t(y) * size_t(width) + size_t(x)] =
                index < colours ? table[index] : 0;
        }
    }
    return true;
}

bool WriteBmp24(const std::string &windowsPath, const RgbImage &image) {
    const size_t stride = (size_t(image.width) * 3 + 3) / 4 * 4;
    const unsigned imageSize = unsigned(stride * size_t(image.height));
    std::string b = "BM";
    Put32(b, 54 + imageSize);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, unsigned(image.width));
    Put32(b, unsigned(image.height));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);
    Put32(b, imageSize);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::string row;
        for (int x = 0; x < image.width; ++x) {
            const unsigned p = image.At(x, y);
            row += char(p & 0xFF);
            row += char((p >> 8) & 0xFF);
            row += char((p >> 16) & 0xFF);
        }
        row.resize(stride, '\0');
        b += row;
    }
    return WriteWholeFile(windowsPath, b);
}

std::string ArtworkPath(const std::string &name) {
    return FromEnvOrBuild("BRINDLE_ARTWORK", "../host/generated", name);
}

std::string ScreenshotPath(const std::string &name) {
    const std::string path = FromEnvOrBuild("BRINDLE_SCREENS", "screens", name);
    const std::string folder = path.substr(0, path.find_last_of('\\'));
    CreateDirectoryA(folder.c_str(), NULL);
    return path;
}

int ChannelDistance(unsigned a, unsigned b) {
    int worst = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int d = std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
        if (d > worst)
            worst = d;
    }
    return worst;
}

double MismatchShare(const std::vector<unsigned> &area, int width, const RgbImage &image,
                     int firstRow, int lastRow, int tolerance) {
    size_t compared = 0, off = 0;
    for (int y = firstRow; y < lastRow && y < image.height; ++y)
        for (int x = 0; x < image.width && x < width; ++x) {
            const size_t at = size_t(y) * size_t(width) + size_t(x);
            if (at >= area.size())
                continue;
            ++compared;
            if (ChannelDistance(area[at], image.At(x, y)) > tolerance)
                ++off;
        }
    return compared == 0 ? 1.0 : double(off) / double(compared);
}
