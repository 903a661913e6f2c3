// The lines of the self-deletion batch file.
#include <gtest/gtest.h>

#include "common/batch_lines.h"

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
                                     kBat, kDosBatchLineLimit, &script));
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
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\brindd95.exe", "C:\\GAMES", kPif, kBat,
                                     kDosBatchLineLimit, &script));
    std::vector<std::string> lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("rmdir C:\\GAMES", lines[3]) << "one level: exactly one rmdir";
    EXPECT_EQ("del C:\\WINDOWS\\unt1A2B.pif", lines[4]);

    ASSERT_TRUE(BuildSelfDeleteLines("D:\\A\\BB\\CCC\\brindd95.exe", "D:\\A\\BB\\CCC", kPif, kBat,
                                     kDosBatchLineLimit, &script));
    lines = Lines(script);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("chdir D:\\", lines[1]);
    EXPECT_EQ("rmdir D:\\A\\BB\\CCC", lines[3]);
    EXPECT_EQ("rmdir D:\\A\\BB", lines[4]);
    EXPECT_EQ("rmdir D:\\A", lines[5]) << "deepest first, never the root";

    ASSERT_TRUE(
        BuildSelfDeleteLines("C:\\brindd95.exe", "C:", kPif, kBat, kDosBatchLineLimit, &script));
    lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("chdir C:\\", lines[1]);
    EXPECT_EQ("del C:\\brindd95.exe", lines[2]);
    EXPECT_EQ("rmdir C:", lines[3]) << "an uninstaller in the root: a single rmdir of the drive";
}

TEST(SelfDeleteBatch, NothingWhenALineWouldBeCut) {
    std::string folder = "C:\\" + std::string(116, 'f'); // "rmdir " + 119 = 125 characters
    std::string own = folder + "\\u";                    // "del " + 121 = 125 characters
    ASSERT_TRUE(
        BuildSelfDeleteLines(own.c_str(), folder.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(125u, std::strlen(script.lines[3].text));

    std::string deeper = "C:\\" + std::string(117, 'f');
    EXPECT_FALSE(
        BuildSelfDeleteLines("C:\\u.exe", deeper.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(0, script.count);

    std::string longOwn = "C:\\GAMES\\" + std::string(120, 'u') + ".exe"; // del line too long
    EXPECT_FALSE(BuildSelfDeleteLines(longOwn.c_str(), "C:\\GAMES", kPif, kBat, kDosBatchLineLimit,
                                      &script));
    EXPECT_FALSE(BuildSelfDeleteLines("brindd95.exe", "brindd95.exe", kPif, kBat,
                                      kDosBatchLineLimit, &script))
        << "no drive root to change to";
}

// The line limit follows the interpreter that runs the batch: MS-DOS takes 125 characters, the
// NT family's interpreter a quoted MAX_PATH path behind its command; never more than a line holds.
TEST(SelfDeleteBatch, LinesAsLongAsTheInterpreterTakes) {
    EXPECT_EQ(kDosBatchLineLimit, BatchLineLimit(false));
    EXPECT_EQ(kCmdBatchLineLimit, BatchLineLimit(true));
    const std::string deep = "C:\\" + std::string(124, 'd'); // the browser's deepest: 127
    const std::string own = deep + "\\brindd95.exe";
    EXPECT_FALSE(
        BuildSelfDeleteLines(own.c_str(), deep.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    ASSERT_TRUE(
        BuildSelfDeleteLines(own.c_str(), deep.c_str(), kPif, kBat, kCmdBatchLineLimit, &script));
    EXPECT_EQ("del " + own, Lines(script)[2]);
    EXPECT_EQ("rmdir " + deep, Lines(script)[3]);

    const std::string longest = "C:\\" + std::string(246, 'p') + " \\brindd95.exe"; // 263
    ASSERT_TRUE(
        BuildSelfDeleteLines(longest.c_str(), "C:", kPif, kBat, kCmdBatchLineLimit, &script));
    EXPECT_EQ(kCmdBatchLineLimit, std::strlen(script.lines[2].text)) << "del, quotes and path";
    const std::string longer = "C:\\" + std::string(247, 'p') + " \\brindd95.exe";
    EXPECT_FALSE(
        BuildSelfDeleteLines(longer.c_str(), "C:", kPif, kBat, kCmdBatchLineLimit + 10, &script))
        << "a limit past the line's room is the room";

    // Whether an uninstaller at a path could remove itself and its folders.
    const std::string dos = "C:\\" + std::string(105, 'd') + "\\brindd95.exe"; // del: 125
    EXPECT_TRUE(SelfDeleteLinesFit(dos.c_str(), kDosBatchLineLimit));
    const std::string over = "C:\\" + std::string(106, 'd') + "\\brindd95.exe";
    EXPECT_FALSE(SelfDeleteLinesFit(over.c_str(), kDosBatchLineLimit));
    EXPECT_TRUE(SelfDeleteLinesFit(over.c_str(), kCmdBatchLineLimit));
    EXPECT_TRUE(SelfDeleteLinesFit("d:\\brindd95.exe", kDosBatchLineLimit));
    EXPECT_FALSE(SelfDeleteLinesFit("brindd95.exe", kCmdBatchLineLimit)) << "no drive";
}

TEST(SelfDeleteBatch, PathsWithBlanksAreQuoted) {
    // One level, with the Windows directory holding a blank too.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\My Games\\brindd95.exe", "C:\\My Games",
                                     "C:\\MY WIN\\unt1A2B.pif", "C:\\MY WIN\\unt1A2B.bat",
                                     kDosBatchLineLimit, &script));
    std::vector<std::string> expected = {"@echo off",
                                         "chdir C:\\",
                                         "del \"C:\\My Games\\brindd95.exe\"",
                                         "rmdir \"C:\\My Games\"",
                                         "del \"C:\\MY WIN\\unt1A2B.pif\"",
                                         "del \"C:\\MY WIN\\unt1A2B.bat\""};
    EXPECT_EQ(expected, Lines(script));

    // Three levels: each parent is cut from the unquoted path, then quoted as it needs.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\Program Files\\X Y\\Z\\brindd95.exe",
                                     "C:\\Program Files\\X Y\\Z", kPif, kBat, kDosBatchLineLimit,
                                     &script));
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
    ASSERT_TRUE(BuildSelfDeleteLines("D:\\AA\\BB\\C D\\u.exe", "D:\\AA\\BB\\C D", kPif, kBat,
                                     kDosBatchLineLimit, &script));
    std::vector<std::string> lines = Lines(script);
    ASSERT_EQ(8u, lines.size());
    EXPECT_EQ("rmdir \"D:\\AA\\BB\\C D\"", lines[3]);
    EXPECT_EQ("rmdir D:\\AA\\BB", lines[4]);
    EXPECT_EQ("rmdir D:\\AA", lines[5]);

    // An uninstaller with a blank in its name in the root: one rmdir of the drive, unquoted.
    ASSERT_TRUE(
        BuildSelfDeleteLines("C:\\brind d95.exe", "C:", kPif, kBat, kDosBatchLineLimit, &script));
    lines = Lines(script);
    ASSERT_EQ(6u, lines.size());
    EXPECT_EQ("chdir C:\\", lines[1]);
    EXPECT_EQ("del \"C:\\brind d95.exe\"", lines[2]);
    EXPECT_EQ("rmdir C:", lines[3]);
}

TEST(SelfDeleteBatch, QuotesCountTowardsTheLineLimit) {
    std::string folder = "C:\\ " + std::string(113, 'f'); // "rmdir " + 2 quotes + 117 = 125
    std::string own = folder + "\\u";                     // "del " + 2 quotes + 119 = 125
    ASSERT_TRUE(
        BuildSelfDeleteLines(own.c_str(), folder.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(125u, std::strlen(script.lines[2].text));
    EXPECT_EQ(125u, std::strlen(script.lines[3].text));
    EXPECT_EQ('"', script.lines[3].text[124]);

    std::string deeper = folder + "f"; // 126 with its quotes
    EXPECT_FALSE(
        BuildSelfDeleteLines("C:\\u.exe", deeper.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(0, script.count);
    std::string ownLonger = folder + "\\uu";
    EXPECT_FALSE(BuildSelfDeleteLines(ownLonger.c_str(), folder.c_str(), kPif, kBat,
                                      kDosBatchLineLimit, &script));
}
