// The lines of the self-deletion batch file.
#include <gtest/gtest.h>

#include "common/batch_lines.h"
#include "iconv_converter.h"

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

// An interpreter that reads the lines in the code page they are built in.
BatchInterpreter Interpreter(size_t lineLimit) {
    return BatchInterpreter{lineLimit, 1252, 1252, {nullptr, nullptr}};
}
} // namespace

TEST(SelfDeleteBatch, DefaultInstallFolder) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR", 0,
                                     kPif, kBat, Interpreter(kDosBatchLineLimit), &script));
    const Lines expected =
        Joined(Start("\"C:\\\"", "\"C:\\TWL\\BRINDMOR\\brindd95.exe\""),
               {"rmdir \"C:\\TWL\\BRINDMOR\"", "rmdir \"C:\\TWL\"",
                "del \"C:\\WINDOWS\\unt1A2B.pif\"", "del \"C:\\WINDOWS\\unt1A2B.bat\""});
    EXPECT_EQ(expected, LinesOf(script));

    // Without a PIF (the NT family runs the batch itself) there is no line for it.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR", 0, "",
                                     kBat, Interpreter(kDosBatchLineLimit), &script));
    EXPECT_EQ(kStart + 3, script.count);
    EXPECT_EQ("del \"C:\\WINDOWS\\unt1A2B.bat\"", LinesOf(script).back());
}

TEST(SelfDeleteBatch, FolderDepths) {
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\brindd95.exe", "C:\\GAMES", 0, kPif, kBat,
                                     Interpreter(kDosBatchLineLimit), &script));
    Lines lines = LinesOf(script);
    ASSERT_EQ(kStart + 3u, lines.size());
    EXPECT_EQ("rmdir \"C:\\GAMES\"", lines[kStart]) << "one level: exactly one rmdir";

    ASSERT_TRUE(BuildSelfDeleteLines("D:\\A\\BB\\CCC\\brindd95.exe", "D:\\A\\BB\\CCC", 0, kPif,
                                     kBat, Interpreter(kDosBatchLineLimit), &script));
    lines = LinesOf(script);
    ASSERT_EQ(kStart + 5u, lines.size());
    EXPECT_EQ("chdir \"D:\\\"", lines[1]);
    EXPECT_EQ("rmdir \"D:\\A\\BB\\CCC\"", lines[kStart]);
    EXPECT_EQ("rmdir \"D:\\A\\BB\"", lines[kStart + 1]);
    EXPECT_EQ("rmdir \"D:\\A\"", lines[kStart + 2]) << "deepest first, never the root";

    ASSERT_TRUE(BuildSelfDeleteLines("C:\\brindd95.exe", "C:", 0, kPif, kBat,
                                     Interpreter(kDosBatchLineLimit), &script));
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
        ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), row.folder, 0, "C:\\W 1%\\unt1.pif",
                                         "C:\\W 1%\\unt1.bat", Interpreter(kDosBatchLineLimit),
                                         &script))
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
                                     "C:\\Program Files\\50%\\Z", 0, "", kBat,
                                     Interpreter(kDosBatchLineLimit), &script));
    const Lines lines = LinesOf(script);
    EXPECT_EQ("rmdir \"C:\\Program Files\\50%%\\Z\"", lines[kStart]);
    EXPECT_EQ("rmdir \"C:\\Program Files\\50%%\"", lines[kStart + 1]);
    EXPECT_EQ("rmdir \"C:\\Program Files\"", lines[kStart + 2]);

    // No quoting keeps a quote or a line break inside one argument: such paths get no batch.
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\a\"b\\u.exe", "C:\\a\"b", 0, "", kBat,
                                      Interpreter(kCmdBatchLineLimit), &script));
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\a\r\ndel x\\u.exe", "C:\\a\r\ndel x", 0, "", kBat,
                                      Interpreter(kCmdBatchLineLimit), &script));
    EXPECT_EQ(0, script.count);
}

TEST(SelfDeleteBatch, NothingWhenALineWouldBeCut) {
    // The longest line: "if not exist ", the quoted path, " goto gone" (25 characters around it).
    std::string folder = "C:\\" + std::string(84, 'f'); // own path: 87 + 13 = 100
    std::string own = folder + "\\brindd95.exe";
    ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), folder.c_str(), 0, "", kBat,
                                     Interpreter(kDosBatchLineLimit), &script));
    EXPECT_EQ(125u, std::strlen(script.lines[5].text));

    std::string deeper = folder + "f";
    std::string deeperOwn = deeper + "\\brindd95.exe";
    EXPECT_FALSE(BuildSelfDeleteLines(deeperOwn.c_str(), deeper.c_str(), 0, "", kBat,
                                      Interpreter(kDosBatchLineLimit), &script));
    EXPECT_EQ(0, script.count);
    std::string percent = "C:\\%" + std::string(83, 'f') + "\\brindd95.exe"; // 100, "%" doubled
    EXPECT_FALSE(SelfDeleteLinesFit(percent.c_str(), Interpreter(kDosBatchLineLimit)));

    const std::string longFolder = "C:\\" + std::string(119, 'f'); // "rmdir " + 2 + 122 = 130
    EXPECT_FALSE(BuildSelfDeleteLines("C:\\u.exe", longFolder.c_str(), 0, "", kBat,
                                      Interpreter(kDosBatchLineLimit), &script));
    EXPECT_FALSE(BuildSelfDeleteLines("brindd95.exe", "brindd95.exe", 0, kPif, kBat,
                                      Interpreter(kDosBatchLineLimit), &script))
        << "no drive root to change to";
}

// The line limit follows the interpreter that runs the batch: MS-DOS takes 125 characters, the
// NT family's interpreter every path Setup can make, even one whose every character is a "%".
TEST(SelfDeleteBatch, LinesAsLongAsTheInterpreterTakes) {
    EXPECT_EQ(kDosBatchLineLimit, BatchLineLimit(false));
    EXPECT_EQ(kCmdBatchLineLimit, BatchLineLimit(true));
    const std::string deep = "C:\\" + std::string(124, 'd'); // the browser's deepest: 127
    const std::string own = deep + "\\brindd95.exe";
    EXPECT_FALSE(BuildSelfDeleteLines(own.c_str(), deep.c_str(), 0, kPif, kBat,
                                      Interpreter(kDosBatchLineLimit), &script));
    ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), deep.c_str(), 0, kPif, kBat,
                                     Interpreter(kCmdBatchLineLimit), &script));
    EXPECT_EQ("del \"" + own + "\"", LinesOf(script)[4]);
    EXPECT_EQ("rmdir \"" + deep + "\"", LinesOf(script)[kStart]);

    // Every MAX_PATH path fits, even one of "%" signs (259 characters, 502 once doubled).
    const std::string percents = "C:\\" + std::string(243, '%') + "\\brindd95.exe";
    ASSERT_EQ(259u, percents.size());
    EXPECT_TRUE(SelfDeleteLinesFit(percents.c_str(), Interpreter(kCmdBatchLineLimit)));
    // The longest line the room takes, and one more character under a larger limit.
    const std::string fits = "C:\\" + std::string(255, '%') + "\\uu.exe"; // if-line: 545
    ASSERT_TRUE(BuildSelfDeleteLines(fits.c_str(), "C:", 0, "", kBat,
                                     Interpreter(kCmdBatchLineLimit), &script));
    EXPECT_EQ(kCmdBatchLineLimit, std::strlen(script.lines[5].text));
    const std::string longer = "C:\\" + std::string(256, '%') + "\\u.exe"; // if-line: 546
    EXPECT_FALSE(BuildSelfDeleteLines(longer.c_str(), "C:", 0, "", kBat,
                                      Interpreter(kCmdBatchLineLimit + 10), &script))
        << "a limit past the line's room is the room";

    // Whether an uninstaller at a path could remove itself and its folders.
    const std::string dos = "C:\\" + std::string(84, 'd') + "\\brindd95.exe";
    EXPECT_TRUE(SelfDeleteLinesFit(dos.c_str(), Interpreter(kDosBatchLineLimit)));
    const std::string over = "C:\\" + std::string(85, 'd') + "\\brindd95.exe";
    EXPECT_FALSE(SelfDeleteLinesFit(over.c_str(), Interpreter(kDosBatchLineLimit)));
    EXPECT_TRUE(SelfDeleteLinesFit(over.c_str(), Interpreter(kCmdBatchLineLimit)));
    EXPECT_TRUE(SelfDeleteLinesFit("d:\\brindd95.exe", Interpreter(kDosBatchLineLimit)));
    EXPECT_FALSE(SelfDeleteLinesFit("brindd95.exe", Interpreter(kCmdBatchLineLimit))) << "no drive";
}

// The interpreters read a batch in the OEM code page while the paths are in the ANSI one: every
// line is converted, so that a German "Übung" or a French "Café" folder is the one removed, and a
// folder whose name the OEM page cannot hold gets no batch (Setup refuses to install there).
TEST(SelfDeleteBatch, LinesInTheCodePageTheInterpreterReads) {
    const struct {
        const char *folder; // in code page 1252
        unsigned oemPage;
        const char *rmdir; // as the interpreter reads it, in its page; NULL: refused
    } rows[] = {
        {"C:\\\xDC"
         "bung",
         850,
         "rmdir \"C:\\\x9A"
         "bung\""},
        {"C:\\\xDC"
         "bung",
         437,
         "rmdir \"C:\\\x9A"
         "bung\""},
        {"C:\\Caf\xE9", 850, "rmdir \"C:\\Caf\x82\""},
        {"C:\\Caf\xE9", 437, "rmdir \"C:\\Caf\x82\""},
        {"C:\\\x8Cuvre", 850, nullptr},  // "Œ": no such letter in either OEM page
        {"C:\\Preis\x80", 437, nullptr}, // "€"
        {"C:\\BRINDMOR", 437, "rmdir \"C:\\BRINDMOR\""},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(std::string(row.folder) + " / " + std::to_string(row.oemPage));
        const std::string own = std::string(row.folder) + "\\brindd95.exe";
        const BatchInterpreter interpreter =
            IconvInterpreter(kCmdBatchLineLimit, 1252, row.oemPage);
        const bool built =
            BuildSelfDeleteLines(own.c_str(), row.folder, 0, "", kBat, interpreter, &script);
        EXPECT_EQ(row.rmdir != nullptr, built);
        EXPECT_EQ(row.rmdir != nullptr, SelfDeleteLinesFit(own.c_str(), interpreter));
        if (row.rmdir == nullptr) {
            EXPECT_EQ(0, script.count);
            continue;
        }
        ASSERT_EQ(kStart + 2, script.count);
        EXPECT_EQ(row.rmdir, LinesOf(script)[kStart]);
        std::string del = "del " + std::string(row.rmdir).substr(6);
        del.insert(del.size() - 1, "\\brindd95.exe");
        EXPECT_EQ(del, LinesOf(script)[4]);
    }
    // Where both pages are one, nothing is converted: no converter is needed.
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\\xDC"
                                     "bung\\u.exe",
                                     "C:\\\xDC"
                                     "bung",
                                     0, "", kBat, Interpreter(kCmdBatchLineLimit), &script));
    EXPECT_EQ("rmdir \"C:\\\xDC"
              "bung\"",
              LinesOf(script)[kStart]);
    // Pages that differ but no converter to say how: no batch, rather than lines misread.
    BatchInterpreter unknown = Interpreter(kCmdBatchLineLimit);
    unknown.oemPage = 850;
    EXPECT_FALSE(SelfDeleteLinesFit("C:\\TWL\\u.exe", unknown));
}

// The batch removes no level that is a junction or directory link, nor any above it: rmdir takes
// a link away whatever it points at, and the folders above it are not the installation's.
TEST(SelfDeleteBatch, LevelsStopAtTheFirstLink) {
    const std::string folder = "C:\\LINK\\TWL\\BRIND";
    const std::string own = folder + "\\brindd95.exe";
    const struct {
        size_t linkEnd;
        Lines rmdirs;
    } rows[] = {
        {0, {"rmdir \"C:\\LINK\\TWL\\BRIND\"", "rmdir \"C:\\LINK\\TWL\"", "rmdir \"C:\\LINK\""}},
        {7, {"rmdir \"C:\\LINK\\TWL\\BRIND\"", "rmdir \"C:\\LINK\\TWL\""}}, // C:\LINK is one
        {11, {"rmdir \"C:\\LINK\\TWL\\BRIND\""}},                           // C:\LINK\TWL
        {folder.size(), {}}, // the install folder itself: not even it
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.linkEnd);
        ASSERT_TRUE(BuildSelfDeleteLines(own.c_str(), folder.c_str(), row.linkEnd, "", kBat,
                                         Interpreter(kCmdBatchLineLimit), &script));
        const Lines lines = LinesOf(script);
        EXPECT_EQ(row.rmdirs, Lines(lines.begin() + kStart, lines.end() - 1));
        EXPECT_EQ("del \"" + own + "\"", lines[4]) << "the uninstaller goes all the same";
    }
}

// A temporary folder the OEM page cannot hold (a user named "O’Brien") costs only the batch's
// last line, the one that deletes the batch itself: the uninstaller and its folders still go.
TEST(SelfDeleteBatch, ATemporaryFolderTheInterpreterCannotReadCostsOnlyTheBatchsOwnLine) {
    const BatchInterpreter interpreter = IconvInterpreter(kCmdBatchLineLimit, 1252, 850);
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\u.exe", "C:\\GAMES", 0, "",
                                     "C:\\Users\\O\x92"
                                     "Brien\\Temp\\unt1.bat",
                                     interpreter, &script));
    EXPECT_EQ("rmdir \"C:\\GAMES\"", LinesOf(script).back());
    ASSERT_TRUE(BuildSelfDeleteLines("C:\\GAMES\\u.exe", "C:\\GAMES", 0, "",
                                     "C:\\Users\\OBRIEN~1\\Temp\\unt1.bat", interpreter, &script));
    EXPECT_EQ("del \"C:\\Users\\OBRIEN~1\\Temp\\unt1.bat\"", LinesOf(script).back());
}
