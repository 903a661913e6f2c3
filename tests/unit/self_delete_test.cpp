// The self-deletion batch lines and the PIF template with its program field.
#include <gtest/gtest.h>

#include "tools/pif/pif_layout.h"
#include "uninstaller/batch_lines.h"
#include "common/command_quoting.h"
#include "uninstaller/pif_patch.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
std::vector<std::string> Lines(const BatchScript &script) {
    std::vector<std::string> lines;
    for (int i = 0; i < script.count; ++i)
        lines.push_back(script.lines[i].text);
    return lines;
}

BatchScript script; // large: kept off the stack

const char kPif[] = "C:\\WINDOWS\\unt1A2B.pif";
const char kBat[] = "C:\\WINDOWS\\unt1A2B.bat";
} // namespace

TEST(SelfDeleteBatch, DefaultInstallFolder) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR", kPif,
                                     kBat, &script));
    std::vector<std::string> expected = {"@echo off",
                                         "chdir C:\\",
                                         "del C:\\TWL\\BRINDMOR\\brindd95.exe",
                                         "rmdir C:\\TWL\\BRINDMOR",
                                         "rmdir C:\\TWL",
                                         "del C:\\WINDOWS\\unt1A2B.pif",
                                         "del C:\\WINDOWS\\unt1A2B.bat"};
    EXPECT_EQ(expected, Lines(script));
    EXPECT_FALSE(script.lines[3].needsEarlierWrite);
    EXPECT_TRUE(script.lines[4].needsEarlierWrite);
}

TEST(SelfDeleteBatch, FolderDepths) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\brindd95.exe", "C:\\GAMES", kPif, kBat, &script));
    std::vector<std::string> lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("rmdir C:\\GAMES", lines[3]) << "one level: exactly one rmdir";
    EXPECT_EQ("del C:\\WINDOWS\\unt1A2B.pif", lines[4]);

    ASSERT_TRUE(BuildSelfDeleteLines("D:\\A\\BB\\CCC\\brindd95.exe", "D:\\A\\BB\\CCC", kPif, kBat,
                                     &script));
    lines = Lines(script);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("chdir D:\\", lines[1]);
    EXPECT_EQ("rmdir D:\\A\\BB\\CCC", lines[3]);
    EXPECT_EQ("rmdir D:\\A\\BB", lines[4]);
    EXPECT_EQ("rmdir D:\\A", lines[5]) << "deepest first, never the root";

    ASSERT_TRUE(BuildSelfDeleteLines("C:\\brindd95.exe", "C:", kPif, kBat, &script));
    lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("chdir C:\\", lines[1]);
    EXPECT_EQ("del C:\\brindd95.exe", lines[2]);
    EXPECT_EQ("rmdir C:", lines[3]) << "an uninstaller in the root: a single rmdir of the drive";
}

TEST(SelfDeleteBatch, NothingWhenALineWouldBeCut) {
    std::string folder = "C:\\" + std::string(116, 'f'); // "rmdir " + 119 = 125 characters
    std::string own = folder + "\\u";                    // "del " + 121 = 125 characters
    ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), folder.c_str(), kPif, kBat, &script));
    EXPECT_EQ(125u, std::strlen(script.lines[3].text));

    std::string deeper = "C:\\" + std::string(117, 'f');
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\u.exe", deeper.c_str(), kPif, kBat, &script));
    EXPECT_EQ(0, script.count);

    std::string longOwn = "C:\\GAMES\\" + std::string(120, 'u') + ".exe"; // del line too long
    EXPECT_FALSE(BuildSelfDeleteLines(longOwn.c_str(), "C:\\GAMES", kPif, kBat, &script));
    EXPECT_FALSE(BuildSelfDeleteLines("brindd95.exe", "brindd95.exe", kPif, kBat, &script))
        << "no drive root to change to";
}

TEST(SelfDeleteBatch, PathsWithBlanksAreQuoted) {
    // One level, with the Windows directory holding a blank too.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\My Games\\brindd95.exe", "C:\\My Games",
                                     "C:\\MY WIN\\unt1A2B.pif", "C:\\MY WIN\\unt1A2B.bat",
                                     &script));
    std::vector<std::string> expected = {"@echo off",
                                         "chdir C:\\",
                                         "del \"C:\\My Games\\brindd95.exe\"",
                                         "rmdir \"C:\\My Games\"",
                                         "del \"C:\\MY WIN\\unt1A2B.pif\"",
                                         "del \"C:\\MY WIN\\unt1A2B.bat\""};
    EXPECT_EQ(expected, Lines(script));

    // Three levels: each parent is cut from the unquoted path, then quoted as it needs.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\Program Files\\X Y\\Z\\brindd95.exe",
                                     "C:\\Program Files\\X Y\\Z", kPif, kBat, &script));
    expected = {"@echo off",
                "chdir C:\\",
                "del \"C:\\Program Files\\X Y\\Z\\brindd95.exe\"",
                "rmdir \"C:\\Program Files\\X Y\\Z\"",
                "rmdir \"C:\\Program Files\\X Y\"",
                "rmdir \"C:\\Program Files\"",
                "del C:\\WINDOWS\\unt1A2B.pif",
                "del C:\\WINDOWS\\unt1A2B.bat"};
    EXPECT_EQ(expected, Lines(script));
    EXPECT_TRUE(script.lines[5].needsEarlierWrite);

    // Only the deepest folder has a blank: its parents stay unquoted.
    ASSERT_TRUE(
        BuildSelfDeleteLines("D:\\AA\\BB\\C D\\u.exe", "D:\\AA\\BB\\C D", kPif, kBat, &script));
    std::vector<std::string> lines = Lines(script);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("rmdir \"D:\\AA\\BB\\C D\"", lines[3]);
    EXPECT_EQ("rmdir D:\\AA\\BB", lines[4]);
    EXPECT_EQ("rmdir D:\\AA", lines[5]);

    // An uninstaller with a blank in its name in the root: one rmdir of the drive, unquoted.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\brind d95.exe", "C:", kPif, kBat, &script));
    lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("chdir C:\\", lines[1]);
    EXPECT_EQ("del \"C:\\brind d95.exe\"", lines[2]);
    EXPECT_EQ("rmdir C:", lines[3]);
}

TEST(SelfDeleteBatch, QuotesCountTowardsTheLineLimit) {
    std::string folder = "C:\\ " + std::string(113, 'f'); // "rmdir " + 2 quotes + 117 = 125
    std::string own = folder + "\\u";                     // "del " + 2 quotes + 119 = 125
    ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), folder.c_str(), kPif, kBat, &script));
    EXPECT_EQ(125u, std::strlen(script.lines[2].text));
    EXPECT_EQ(125u, std::strlen(script.lines[3].text));
    EXPECT_EQ('"', script.lines[3].text[124]);

    std::string deeper = folder + "f"; // 126 with its quotes
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\u.exe", deeper.c_str(), kPif, kBat, &script));
    EXPECT_EQ(0, script.count);
    std::string ownLonger = folder + "\\uu";
    EXPECT_FALSE(BuildSelfDeleteLines(ownLonger.c_str(), folder.c_str(), kPif, kBat, &script));
}

TEST(CommandQuoting, QuotedOnlyWithABlankAndOnlyWhole) {
    char out[16];
    ASSERT_TRUE(PutQuotedIfBlank("C:\\W\\u.pif", 10, out, sizeof out));
    EXPECT_STREQ("C:\\W\\u.pif", out);
    ASSERT_TRUE(PutQuotedIfBlank("C:\\A B\\u.pif", 12, out, sizeof out));
    EXPECT_STREQ("\"C:\\A B\\u.pif\"", out);
    ASSERT_TRUE(PutQuotedIfBlank("C:\\AB\\C D", 5, out, sizeof out));
    EXPECT_STREQ("C:\\AB", out) << "a blank after the length does not count";

    char exact[15]; // 12 characters, 2 quotes and the NUL
    EXPECT_TRUE(PutQuotedIfBlank("C:\\A B\\u.pif", 12, exact, sizeof exact));
    char tooSmall[14];
    EXPECT_FALSE(PutQuotedIfBlank("C:\\A B\\u.pif", 12, tooSmall, sizeof tooSmall));
    EXPECT_STREQ("", tooSmall) << "a cut path would name another file";
}

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
