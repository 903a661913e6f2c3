// Writes the uninstaller's PIF template to the file named on the command line.
#include "pif_layout.h"

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pif_gen OUTPUT\n");
        return 2;
    }
    uint8_t bytes[kPifTemplateSize];
    BuildPifTemplate(bytes);
    if (PifChecksum(bytes, sizeof bytes) != bytes[kPifChecksumOffset]) {
        std::fprintf(stderr, "pif_gen: checksum does not match the template's bytes\n");
        return 1;
    }
    std::FILE *file = std::fopen(argv[1], "wb");
    if (file == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    bool ok = std::fwrite(bytes, 1, sizeof bytes, file) == sizeof bytes;
    ok = std::fclose(file) == 0 && ok;
    if (!ok)
        std::fprintf(stderr, "pif_gen: cannot write %s\n", argv[1]);
    return ok ? 0 : 1;
}
