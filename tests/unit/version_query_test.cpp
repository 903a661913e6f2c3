// Which string block of a version resource is asked for a value.
#include <gtest/gtest.h>

#include "launcher/ui/version_query.h"

TEST(VersionValuePath, FirstTranslationOrTheUnicodeFallback) {
    char path[64];
    const unsigned short ansi[] = {0x0409, 0x04E4};
    ASSERT_TRUE(VersionValuePath(ansi, 2, "FileVersion", path, sizeof path));
    EXPECT_STREQ("\\StringFileInfo\\040904E4\\FileVersion", path);

    const unsigned short two[] = {0x0407, 0x04B0, 0x0409, 0x04E4};
    ASSERT_TRUE(VersionValuePath(two, 4, "FileVersion", path, sizeof path));
    EXPECT_STREQ("\\StringFileInfo\\040704B0\\FileVersion", path);

    ASSERT_TRUE(VersionValuePath(nullptr, 0, "FileVersion", path, sizeof path));
    EXPECT_STREQ("\\StringFileInfo\\040904B0\\FileVersion", path);
    ASSERT_TRUE(VersionValuePath(ansi, 1, "FileVersion", path, sizeof path)); // half a pair
    EXPECT_STREQ("\\StringFileInfo\\040904B0\\FileVersion", path);

    EXPECT_FALSE(VersionValuePath(ansi, 2, "FileVersion", path, 20));
    EXPECT_STREQ("", path);
    // "\StringFileInfo\040904E4\FileVersion" is 36 characters: 37 bytes hold it, 36 do not.
    EXPECT_TRUE(VersionValuePath(ansi, 2, "FileVersion", path, 37));
    EXPECT_STREQ("\\StringFileInfo\\040904E4\\FileVersion", path);
    EXPECT_FALSE(VersionValuePath(ansi, 2, "FileVersion", path, 36));
    EXPECT_STREQ("", path);
}
