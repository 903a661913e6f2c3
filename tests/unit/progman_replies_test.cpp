// Reading Program Manager's replies: the group list and a group's item count.
#include <gtest/gtest.h>

#include "uninstaller/progman_replies.h"

#include <cstring>
#include <string>

TEST(ProgmanReplies, GroupFoundAsSubstring) {
    const char list[] = "Main\r\nTarnwell Classics\r\nAccessories\r\n";
    EXPECT_TRUE(ReplyContains(list, sizeof list, "Tarnwell"));
    EXPECT_TRUE(ReplyContains(list, sizeof list, "Main"));
    EXPECT_FALSE(ReplyContains(list, sizeof list, "tarnwell")) << "case-sensitive";
    EXPECT_FALSE(ReplyContains(list, sizeof list, "Games"));
    EXPECT_FALSE(ReplyContains("", 1, "Tarnwell"));
    // A reply is bounded by its size even without a terminating NUL.
    const char unterminated[8] = {'T', 'a', 'r', 'n', 'w', 'e', 'l', 'l'};
    EXPECT_TRUE(ReplyContains(unterminated, sizeof unterminated, "Tarnwell"));
    EXPECT_FALSE(ReplyContains(unterminated, 7, "Tarnwell"));
    // A NUL inside the reply ends it: a name behind it is not found.
    const char afterNul[] = "Main\r\n\0Tarnwell\r\n";
    EXPECT_FALSE(ReplyContains(afterNul, sizeof afterNul, "Tarnwell"));
    // The title's name is found inside the help item's name.
    const char help[] = "\"Tarnwell\",C:\\W\\T.GRP,1\r\n\"Brindlemoor Help\",\"x\"\r\n";
    EXPECT_TRUE(ReplyHasItem(help, sizeof help, "Brindlemoor"));
}

TEST(ProgmanReplies, ItemCountAfterTheGroupFilePath) {
    const char three[] =
        "\"Tarnwell\",C:\\WINDOWS\\TARNWELL.GRP,3,1,0\r\n\"Brindlemoor\",\"a\"\r\n";
    ItemCount count = ReadItemCount(three, sizeof three, 8);
    EXPECT_TRUE(count.read);
    EXPECT_EQ(3, count.count);

    const char many[] = "\"Tarnwell\",C:\\TARNWELL.GRP,1234\r\n";
    EXPECT_EQ(1234, ReadItemCount(many, sizeof many, 8).count);

    const char noComma[] = "\"Tarnwell\",C:\\WINDOWS\\TARNWELL.GRP";
    count = ReadItemCount(noComma, sizeof noComma, 8);
    EXPECT_FALSE(count.read);
    EXPECT_EQ(0, count.count);

    const char noDigits[] = "\"Tarnwell\",C:\\TARNWELL.GRP,,1\r\n";
    count = ReadItemCount(noDigits, sizeof noDigits, 8);
    EXPECT_FALSE(count.read);
    EXPECT_EQ(0, count.count);

    const char zero[] = "\"Tarnwell\",C:\\TARNWELL.GRP,0,1\r\n";
    count = ReadItemCount(zero, sizeof zero, 8);
    EXPECT_TRUE(count.read);
    EXPECT_EQ(0, count.count);

    // The search starts inside the path, so the comma after the quoted name is not taken.
    const char commaInPath[] = "\"G\",C:\\A,B.GRP,2\r\n";
    EXPECT_EQ(0, ReadItemCount(commaInPath, sizeof commaInPath, 1).count)
        << "digits must follow the first comma at or after the path's second character";

    const char shortReply[] = "\"G\"";
    EXPECT_FALSE(ReadItemCount(shortReply, sizeof shortReply, 1).read);

    // Only 19 digits are read, and a huge number stops at the largest count, never wraps.
    const char huge[] = "\"G\",C:\\G.GRP,99999999999999999999999\r\n";
    count = ReadItemCount(huge, sizeof huge, 1);
    EXPECT_TRUE(count.read);
    EXPECT_EQ(2147483647, count.count);
}
