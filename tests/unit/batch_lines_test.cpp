// The lines of the self-deletion batch file.
#include <gtest/gtest.h>

#include "common/batch_lines.h"

#include <cstring>
#include <string>
#include <vector>

namespace {
using Lines = std::vector<std::string>;

Lines LinesOf(const BatchScript &script) {
    Lines lines;
    for (int i = 0; i < script.count; ++i)
        lines.push_back(script.lines[i].text);
    return lines;
}

BatchScript script; // large: kept off the stack

const char kPif[] = "C:\\WINDOWS\\unt1A2B.pif";
const char kBat[] = "C:\\WINDOWS\\unt1A2B.bat";
const std::string kLastTry =
    "if \"%brindtries%\"==\"" + std::string(kSelfDeleteTries, '.') + "\" goto gone";

// The start of every batch: the drive's root, then the uninstaller deleted, tried again about
// once a second while its process still holds the file. `own` as it stands in the lines.
Lines Start(const std::string &root, const std::string &own) {
    return {"@echo off",
            "chdir " + root,
            "set brindtries=",
            ":retry",
            "del " + own,
            "if not exist " + own + " goto gone",
            "set brindtries=%brindtries%.",
            kLastTry,
            "ping -n 2 127.0.0.1 >nul",
            "goto retry",
            ":gone"};
}

Lines Joined(Lines lines, const Lines &more) {
    lines.insert(lines.end(), more.begin(), more.end());
    return lines;
}

const int kStart = 11; // lines before the first rmdir
} // namespace

TEST(SelfDeleteBatch, DefaultInstallFolder) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR", kPif,
                                     kBat, kDosBatchLineLimit, &script));
    const Lines expected =
        Joined(Start("\"C:\\\"", "\"C:\\TWL\\BRINDMOR\\brindd95.exe\""),
               {"rmdir \"C:\\TWL\\BRINDMOR\"", "rmdir \"C:\\TWL\"",
                "del \"C:\\WINDOWS\\unt1A2B.pif\"", "del \"C:\\WINDOWS\\unt1A2B.bat\""});
    EXPECT_EQ(expected, LinesOf(script));

    // Without a PIF (the NT family runs the batch itself) there is no line for it.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR", "",
                                     kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(kStart + 3, script.count);
    EXPECT_EQ("del \"C:\\WINDOWS\\unt1A2B.bat\"", LinesOf(script).back());
}

TEST(SelfDeleteBatch, FolderDepths) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\brindd95.exe", "C:\\GAMES", kPif, kBat,
                                     kDosBatchLineLimit, &script));
    Lines lines = LinesOf(script);
    ASSERT_EQ(kStart + 3u, lines.size());
    EXPECT_EQ("rmdir \"C:\\GAMES\"", lines[kStart]) << "one level: exactly one rmdir";

    ASSERT_TRUE(BuildSelfDeleteLines("D:\\A\\BB\\CCC\\brindd95.exe", "D:\\A\\BB\\CCC", kPif, kBat,
                                     kDosBatchLineLimit, &script));
    lines = LinesOf(script);
    ASSERT_EQ(kStart + 5u, lines.size());
    EXPECT_EQ("chdir \"D:\\\"", lines[1]);
    EXPECT_EQ("rmdir \"D:\\A\\BB\\CCC\"", lines[kStart]);
    EXPECT_EQ("rmdir \"D:\\A\\BB\"", lines[kStart + 1]);
    EXPECT_EQ("rmdir \"D:\\A\"", lines[kStart + 2]) << "deepest first, never the root";

    ASSERT_TRUE(
        BuildSelfDeleteLines("C:\\brindd95.exe", "C:", kPif, kBat, kDosBatchLineLimit, &script));
    lines = LinesOf(script);
    ASSERT_EQ(kStart + 3u, lines.size());
    EXPECT_EQ("del \"C:\\brindd95.exe\"", lines[4]);
    EXPECT_EQ("rmdir \"C:\"", lines[kStart]) << "in the root: a single rmdir of the drive";
}

// Every path is quoted and its "%" doubled, whatever it holds: unquoted, cmd splits a path at a
// blank, ";", "=" or ",", runs what follows "&", and reads "%" and "^" as its own.
TEST(SelfDeleteBatch, EveryPathQuotedWithItsPercentSignsDoubled) {
    const struct {
        const char *folder, *written; // the install folder, and as its rmdir line names it
    } rows[] = {
        {"C:\\My Games", "\"C:\\My Games\""}, {"C:\\Tom&Jerry", "\"C:\\Tom&Jerry\""},
        {"C:\\Sale50%", "\"C:\\Sale50%%\""},  {"C:\\%TEMP%", "\"C:\\%%TEMP%%\""},
        {"C:\\a;b=c,d", "\"C:\\a;b=c,d\""},   {"C:\\up^down", "\"C:\\up^down\""},
        {"C:\\Wow!(2)", "\"C:\\Wow!(2)\""},
    };
    for (const auto &row : rows) {
        const std::string own = std::string(row.folder) + "\\brindd95.exe";
        ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), row.folder, "C:\\W 1%\\unt1.pif",
                                         "C:\\W 1%\\unt1.bat", kDosBatchLineLimit, &script))
            << row.folder;
        const std::string written = std::string(row.written);
        const std::string ownWritten = written.substr(0, written.size() - 1) + "\\brindd95.exe\"";
        EXPECT_EQ(Joined(Start("\"C:\\\"", ownWritten),
                         {"rmdir " + written, "del \"C:\\W 1%%\\unt1.pif\"",
                          "del \"C:\\W 1%%\\unt1.bat\""}),
                  LinesOf(script))
            << row.folder;
    }

    // Each parent is cut from the path as it is, then quoted itself.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\Program Files\\50%\\Z\\u.exe",
                                     "C:\\Program Files\\50%\\Z", "", kBat, kDosBatchLineLimit,
                                     &script));
    const Lines lines = LinesOf(script);
    EXPECT_EQ("rmdir \"C:\\Program Files\\50%%\\Z\"", lines[kStart]);
    EXPECT_EQ("rmdir \"C:\\Program Files\\50%%\"", lines[kStart + 1]);
    EXPECT_EQ("rmdir \"C:\\Program Files\"", lines[kStart + 2]);

    // No quoting keeps a quote or a line break inside one argument: such paths get no batch.
    EXPECT_FALSE(
        BuildSelfDeleteLines("C:\\a\"b\\u.exe", "C:\\a\"b", "", kBat, kCmdBatchLineLimit, &script));
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\a\r\ndel x\\u.exe", "C:\\a\r\ndel x", "", kBat,
                                      kCmdBatchLineLimit, &script));
    EXPECT_EQ(0, script.count);
}

TEST(SelfDeleteBatch, NothingWhenALineWouldBeCut) {
    // The longest line: "if not exist ", the quoted path, " goto gone" (25 characters around it).
    std::string folder = "C:\\" + std::string(84, 'f'); // own path: 87 + 13 = 100
    std::string own = folder + "\\brindd95.exe";
    ASSERT_TRUE(
        BuildSelfDeleteLines(own.c_str(), folder.c_str(), "", kBat, kDosBatchLineLimit, &script));
    EXPECT_EQ(125u, std::strlen(script.lines[5].text));

    std::string deeper = folder + "f";
    std::string deeperOwn = deeper + "\\brindd95.exe";
    EXPECT_FALSE(BuildSelfDeleteLines(deeperOwn.c_str(), deeper.c_str(), "", kBat,
                                      kDosBatchLineLimit, &script));
    EXPECT_EQ(0, script.count);
    std::string percent = "C:\\%" + std::string(83, 'f') + "\\brindd95.exe"; // 100, "%" doubled
    EXPECT_FALSE(SelfDeleteLinesFit(percent.c_str(), kDosBatchLineLimit));

    const std::string longFolder = "C:\\" + std::string(119, 'f'); // "rmdir " + 2 + 122 = 130
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\u.exe", longFolder.c_str(), "", kBat, kDosBatchLineLimit,
                                      &script));
    EXPECT_FALSE(BuildSelfDeleteLines("brindd95.exe", "brindd95.exe", kPif, kBat,
                                      kDosBatchLineLimit, &script))
        << "no drive root to change to";
}

// The line limit follows the interpreter that runs the batch: MS-DOS takes 125 characters, the
// NT family's interpreter every path Setup can make, even one whose every character is a "%".
TEST(SelfDeleteBatch, LinesAsLongAsTheInterpreterTakes) {
    EXPECT_EQ(kDosBatchLineLimit, BatchLineLimit(false));
    EXPECT_EQ(kCmdBatchLineLimit, BatchLineLimit(true));
    const std::string deep = "C:\\" + std::string(124, 'd'); // the browser's deepest: 127
    const std::string own = deep + "\\brindd95.exe";
    EXPECT_FALSE(
        BuildSelfDeleteLines(own.c_str(), deep.c_str(), kPif, kBat, kDosBatchLineLimit, &script));
    ASSERT_TRUE(
        BuildSelfDeleteLines(own.c_str(), deep.c_str(), kPif, kBat, kCmdBatchLineLimit, &script));
    EXPECT_EQ("del \"" + own + "\"", LinesOf(script)[4]);
    EXPECT_EQ("rmdir \"" + deep + "\"", LinesOf(script)[kStart]);

    // Every MAX_PATH path fits, even one of "%" signs (259 characters, 502 once doubled).
    const std::string percents = "C:\\" + std::string(243, '%') + "\\brindd95.exe";
    ASSERT_EQ(259u, percents.size());
    EXPECT_TRUE(SelfDeleteLinesFit(percents.c_str(), kCmdBatchLineLimit));
    // The longest line the room takes, and one more character under a larger limit.
    const std::string fits = "C:\\" + std::string(255, '%') + "\\uu.exe"; // if-line: 545
    ASSERT_TRUE(BuildSelfDeleteLines(fits.c_str(), "C:", "", kBat, kCmdBatchLineLimit, &script));
    EXPECT_EQ(kCmdBatchLineLimit, std::strlen(script.lines[5].text));
    const std::string longer = "C:\\" + std::string(256, '%') + "\\u.exe"; // if-line: 546
    EXPECT_FALSE(
        BuildSelfDeleteLines(longer.c_str(), "C:", "", kBat, kCmdBatchLineLimit + 10, &script))
        << "a limit past the line's room is the room";

    // Whether an uninstaller at a path could remove itself and its folders.
    const std::string dos = "C:\\" + std::string(84, 'd') + "\\brindd95.exe";
    EXPECT_TRUE(SelfDeleteLinesFit(dos.c_str(), kDosBatchLineLimit));
    const std::string over = "C:\\" + std::string(85, 'd') + "\\brindd95.exe";
    EXPECT_FALSE(SelfDeleteLinesFit(over.c_str(), kDosBatchLineLimit));
    EXPECT_TRUE(SelfDeleteLinesFit(over.c_str(), kCmdBatchLineLimit));
    EXPECT_TRUE(SelfDeleteLinesFit("d:\\brindd95.exe", kDosBatchLineLimit));
    EXPECT_FALSE(SelfDeleteLinesFit("brindd95.exe", kCmdBatchLineLimit)) << "no drive";
}
