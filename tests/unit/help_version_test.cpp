// The help program's command line and the string block asked for the About box's version.
#include <gtest/gtest.h>

#include "launcher/core/help_command.h"
#include "launcher/ui/version_query.h"

#include <string>

TEST(BuildHelpCommandLine, QuotesTheProgramAndABlankDocument) {
    char line[600];
    ASSERT_TRUE(BuildHelpCommandLine("C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe",
                                     "e:\\BRINDMOR.WRI", line, sizeof line));
    EXPECT_STREQ("\"C:\\Program Files\\Windows NT\\Accessories\\wordpad.exe\" e:\\BRINDMOR.WRI",
                 line);
    ASSERT_TRUE(BuildHelpCommandLine("C:\\WINDOWS\\WRITE.EXE", "D:\\MY TITLE\\BRINDMOR.WRI", line,
                                     sizeof line));
    EXPECT_STREQ("\"C:\\WINDOWS\\WRITE.EXE\" \"D:\\MY TITLE\\BRINDMOR.WRI\"", line);
}

TEST(BuildHelpCommandLine, RefusesACutCommand) {
    const std::string program = "C:\\W\\WRITE.EXE", document = "e:\\BRINDMOR.WRI";
    const size_t whole = 1 + program.size() + 2 + document.size(); // quotes, blank
    char line[64];
    ASSERT_LT(whole + 1, sizeof line);
    EXPECT_TRUE(BuildHelpCommandLine(program.c_str(), document.c_str(), line, whole + 1));
    EXPECT_EQ(whole, std::string(line).size());
    EXPECT_FALSE(BuildHelpCommandLine(program.c_str(), document.c_str(), line, whole));
    EXPECT_STREQ("", line);
}

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
}
