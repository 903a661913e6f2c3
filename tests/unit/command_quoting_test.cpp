// Paths put on a command line or in a batch line, quoted so that the interpreter takes them whole.
#include <gtest/gtest.h>

#include "common/command_quoting.h"

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

TEST(BoundedText, PathArgumentsAreQuotedOnlyWithABlank) {
    char line[32] = "x ";
    EXPECT_TRUE(AppendPathArgument(line, sizeof line, "C:\\TWL\\brindd95.exe"));
    EXPECT_STREQ("x C:\\TWL\\brindd95.exe", line);
    char quoted[32] = "";
    EXPECT_TRUE(AppendPathArgument(quoted, sizeof quoted, "C:\\My Games\\b.exe"));
    EXPECT_STREQ("\"C:\\My Games\\b.exe\"", quoted);
    char small[20] = "x ";
    EXPECT_FALSE(AppendPathArgument(small, sizeof small, "C:\\My Games\\b.exe")); // 19 + 2 quotes
    EXPECT_STREQ("x ", small);
}

TEST(CommandQuoting, BatchPathsAlwaysQuotedWithPercentDoubled) {
    const struct {
        const char *path;
        size_t length;
        const char *written; // nullptr: refused
    } rows[] = {
        {"C:\\TWL", 6, "\"C:\\TWL\""},
        {"C:\\50%\\x", 8, "\"C:\\50%%\\x\""},
        {"C:\\50%\\x", 5, "\"C:\\50\""}, // only the first `length` characters
        {"C:\\a&b^c", 8, "\"C:\\a&b^c\""},
        {"C:\\a\"b", 6, nullptr},
        {"C:\\a\nb", 6, nullptr},
        {"%%%%%%%", 7, nullptr}, // 14 and 2 quotes do not fit 16 with the NUL
        {"%%%%%%", 6, "\"%%%%%%%%%%%%\""},
    };
    for (const auto &row : rows) {
        char out[16] = "stale";
        EXPECT_EQ(row.written != nullptr, PutBatchPath(row.path, row.length, out, sizeof out))
            << row.path;
        EXPECT_STREQ(row.written != nullptr ? row.written : "", out) << row.path;
    }
}
