// Program Manager command texts, their block sizes and the reading of the replies.
#include <gtest/gtest.h>

#include "uninstaller/progman_commands.h"
#include "uninstaller/progman_replies.h"
#include "uninstaller/removal_rules.h"

#include <cstring>
#include <string>

namespace {
std::string Built(size_t size, void (*build)(char *, size_t)) {
    std::string block(size, '\x7F');
    build(&block[0], size);
    return block;
}
} // namespace

TEST(ProgmanCommandTexts, TextsAndBlockSizes) {
    size_t show = ShowGroupBlockSize("Tarnwell", "1");
    EXPECT_EQ(8u + 1u + 16u, show);
    std::string block =
        Built(show, [](char *b, size_t n) { BuildShowGroup(b, n, "Tarnwell", "1"); });
    EXPECT_STREQ("[ShowGroup(Tarnwell,1)]", block.c_str());
    EXPECT_EQ(show, std::strlen(block.c_str()) + 2) << "block is one byte more than text and NUL";

    size_t item = DeleteItemBlockSize("Brindlemoor Help");
    EXPECT_EQ(16u + 16u, item);
    block = Built(item, [](char *b, size_t n) { BuildDeleteItem(b, n, "Brindlemoor Help"); });
    EXPECT_STREQ("[DeleteItem(Brindlemoor Help)]", block.c_str());
    EXPECT_EQ(item, std::strlen(block.c_str()) + 2);

    size_t group = PrefixedBlockSize(PROGMAN_DELETE_GROUP_PREFIX, "Tarnwell");
    EXPECT_EQ(13u + 8u + 4u, group);
    block = Built(group, [](char *b, size_t n) {
        BuildPrefixedCommand(b, n, PROGMAN_DELETE_GROUP_PREFIX, "Tarnwell");
    });
    EXPECT_STREQ("[DeleteGroup(Tarnwell)]", block.c_str());
    EXPECT_EQ(group, std::strlen(block.c_str()) + 2);
}

TEST(ProgmanCommandTexts, ItemNamesAreCutAtFortyCharacters) {
    const std::string forty(40, 'x');
    char cut[41];
    CutItemName((forty + "TAIL").c_str(), cut, sizeof cut);
    EXPECT_EQ(forty, cut);
    CutItemName(forty.c_str(), cut, sizeof cut);
    EXPECT_EQ(forty, cut);
    CutItemName("Brindlemoor", cut, sizeof cut);
    EXPECT_STREQ("Brindlemoor", cut);

    const std::string reply = "\"G\",C:\\G.GRP,1\r\n\"" + forty + "\",x\r\n";
    EXPECT_TRUE(ReplyHasItem(reply.c_str(), reply.size(), (forty + "more").c_str()));
    EXPECT_FALSE(ReplyHasItem(reply.c_str(), reply.size(), ("y" + forty).c_str()));
}

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

    // Only 19 digits are read, and a huge number does not wrap.
    const char huge[] = "\"G\",C:\\G.GRP,99999999999999999999999\r\n";
    count = ReadItemCount(huge, sizeof huge, 1);
    EXPECT_TRUE(count.read);
    EXPECT_GT(count.count, 0);
}

TEST(GroupRule, GroupGoesOnlyWhenTheTitleOwnsIt) {
    EXPECT_TRUE(MayDeleteGroup(3, 3));
    EXPECT_FALSE(MayDeleteGroup(4, 3)) << "a fourth item of the user's";
    EXPECT_FALSE(MayDeleteGroup(2, 3))
        << "help and uninstall items only: the title name is in both";
    EXPECT_TRUE(MayDeleteGroup(0, 0));

    EXPECT_TRUE(GroupEmptyOnRecheck(ItemCount{true, 0}));
    EXPECT_FALSE(GroupEmptyOnRecheck(ItemCount{true, 1}));
    EXPECT_FALSE(GroupEmptyOnRecheck(ItemCount{false, 0})) << "no count read: keep the group";
}
