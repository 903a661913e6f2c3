// The PIF template and the batch path put into its program field.
#include <gtest/gtest.h>

#include "tools/pif/pif_layout.h"
#include "uninstaller/pif_patch.h"

#include <cstring>
#include <string>

TEST(PifTemplate, BytesChecksumAndSections) {
    uint8_t pif[kPifTemplateSize];
    BuildPifTemplate(pif);
    EXPECT_EQ(0x25, pif[0x01]);
    EXPECT_EQ(0x25, PifChecksum(pif, sizeof pif)) << "sum of 0x02..0x170 modulo 256";
    EXPECT_EQ(0, std::memcmp(pif + 0x24, "TEST.BAT\0   ", 12));
    EXPECT_EQ(0x80, pif[0x20]);
    EXPECT_EQ(0x10, pif[0x63]);
    EXPECT_EQ(0xE0, pif[0x16F]);
    EXPECT_EQ(0x20, pif[0x170]);
    const uint8_t screen[10] = {0x00, 0x01, 0x00, 0xFF, 0x19, 0x50, 0x00, 0x00, 0x07, 0x00};
    EXPECT_EQ(0, std::memcmp(pif + 0xE5, screen, sizeof screen));

    struct Header {
        size_t at;
        const char *name;
        unsigned next, data, length;
    };
    const Header headers[] = {{0x171, "MICROSOFT PIFEX", 0x187, 0x000, 0x171},
                              {0x187, "WINDOWS 386 3.0", 0x205, 0x19D, 0x68},
                              {0x205, "WINDOWS 286 3.0", 0xFFFF, 0x21B, 6}};
    auto word = [&](size_t at) { return unsigned(pif[at] | (pif[at + 1] << 8)); };
    for (const Header &h : headers) {
        char name[17] = {};
        std::memcpy(name, pif + h.at, 16);
        EXPECT_STREQ(h.name, name);
        EXPECT_EQ(0, pif[h.at + 15]);
        EXPECT_EQ(h.next, word(h.at + 16)) << h.name;
        EXPECT_EQ(h.data, word(h.at + 18)) << h.name;
        EXPECT_EQ(h.length, word(h.at + 20)) << h.name;
    }
    EXPECT_EQ(640u, word(0x19D));
    EXPECT_EQ(1024u, word(0x19D + 12));
    EXPECT_EQ(0x3002u, word(0x19D + 16));
    EXPECT_EQ(0x1Fu, word(0x19D + 20));
    EXPECT_EQ(' ', pif[0x19D + 40]);
    EXPECT_EQ(' ', pif[0x204]);
}

TEST(PifTemplate, ProgramFieldTakesTheBatchPath) {
    uint8_t pif[kPifTemplateSize];
    BuildPifTemplate(pif);
    uint8_t original[kPifTemplateSize];
    std::memcpy(original, pif, sizeof pif);

    ASSERT_TRUE(PutPifProgram(pif, sizeof pif, "C:\\W\\u1.bat"));
    EXPECT_STREQ("C:\\W\\u1.bat", reinterpret_cast<const char *>(pif + 0x24));
    size_t after = 0x24 + std::strlen("C:\\W\\u1.bat") + 1;
    EXPECT_EQ(0, std::memcmp(pif + after, original + after, sizeof pif - after))
        << "the bytes after the path's NUL are the template's";
    EXPECT_EQ(0, std::memcmp(pif, original, 0x24));
    EXPECT_EQ(0x25, pif[0x01]) << "the checksum is not recomputed";

    std::string longest(62, 'p');
    EXPECT_TRUE(PutPifProgram(pif, sizeof pif, longest.c_str()));
    EXPECT_EQ(0, pif[0x24 + 62]);
    EXPECT_EQ(0x10, pif[0x63]);
    std::memcpy(pif, original, sizeof pif);
    EXPECT_FALSE(PutPifProgram(pif, sizeof pif, std::string(63, 'p').c_str()));
    EXPECT_EQ(0, std::memcmp(pif, original, sizeof pif)) << "nothing changed";
    EXPECT_FALSE(PutPifProgram(pif, 0x24 + 10, "C:\\x.bat")) << "block too small";
}
