// Paths put on a command line or in a batch line, quoted only when a blank would split them.
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
