// The command line that opens the help document in its associated program.
#include <gtest/gtest.h>

#include "launcher/app/help_command.h"

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
