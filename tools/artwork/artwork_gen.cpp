// Command-line entry: writes the title picture, its line version and both icons into OUTDIR.
#include <cstdio>
#include <string>
#include <system_error>
#include <filesystem>

#include "bmp_writer.h"
#include "emblem.h"
#include "ico_writer.h"
#include "palette.h"
#include "scene.h"

namespace {

bool WriteFile(const std::string &dir, const char *name, const std::vector<uint8_t> &bytes) {
    const std::string path = dir + "/" + name;
    if (bytes.empty()) {
        std::fprintf(stderr, "artwork_gen: could not encode %s\n", name);
        return false;
    }
    std::FILE *f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::fprintf(stderr, "artwork_gen: cannot create %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed) {
        std::fprintf(stderr, "artwork_gen: failed writing %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: artwork_gen OUTDIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    if (ec) {
        std::fprintf(stderr, "artwork_gen: cannot create %s: %s\n", dir.c_str(),
                     ec.message().c_str());
        return 1;
    }
    using namespace artwork;
    const std::vector<uint8_t> indices = RenderPictureIndices();
    const bool ok =
        WriteFile(dir, "picture.bmp",
                  EncodeBmp8(kPictureWidth, kPictureHeight, PicturePalette(), indices)) &&
        WriteFile(dir, "progress.bmp",
                  EncodeBmp1(kPictureWidth, kPictureHeight, RenderLineBits(indices))) &&
        WriteFile(dir, "launcher.ico",
                  EncodeIco({RenderLauncherIcon(32), RenderLauncherIcon(16)})) &&
        WriteFile(dir, "uninstaller.ico", EncodeIco({RenderUninstallerIcon(32)}));
    return ok ? 0 : 1;
}
