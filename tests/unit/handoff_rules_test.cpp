// Recognising a registered command line that names this launcher, and its program path.
#include <gtest/gtest.h>

#include "launcher/core/handoff_rules.h"

TEST(NamesThisLauncher, ExactPathCaseAndArguments) {
    const char *own = "E:\\RBRINDMOR.EXE";
    EXPECT_TRUE(NamesThisLauncher("E:\\RBRINDMOR.EXE", own));
    EXPECT_TRUE(NamesThisLauncher("e:\\rbrindmor.exe", own));
    EXPECT_TRUE(NamesThisLauncher("E:\\RBRINDMOR.EXE /x", own));
    EXPECT_FALSE(NamesThisLauncher("C:\\TWL\\PLAY.EXE", own));
    EXPECT_FALSE(NamesThisLauncher("E:\\RBRINDMOR.EXE2", own));
}

TEST(ProgramPathOf, CutsAtTheFirstBlank) {
    char path[32];
    ProgramPathOf("C:\\A\\B.EXE -x y", path, sizeof path);
    EXPECT_STREQ("C:\\A\\B.EXE", path);
    ProgramPathOf("C:\\Program Files\\B.EXE", path, sizeof path);
    EXPECT_STREQ("C:\\Program", path);
}
