// The Program Manager command texts and the sizes of the blocks they go in.
#include <gtest/gtest.h>

#include "uninstaller/progman_commands.h"
#include "uninstaller/progman_replies.h"

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
