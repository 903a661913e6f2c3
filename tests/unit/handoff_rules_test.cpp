// Recognising a registered command line that names this launcher, and its program path.
#include <gtest/gtest.h>

#include "common/uninstall_key.h"
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

TEST(BuildUninstallKeyPath, NameAfterTheParentOrNothing) {
    char key[260];
    ASSERT_TRUE(BuildUninstallKeyPath("Brindlemoor", key, sizeof key));
    EXPECT_STREQ("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlemoor", key);
    EXPECT_FALSE(BuildUninstallKeyPath("", key, sizeof key));
    EXPECT_STREQ("", key);
    char small[60];
    EXPECT_FALSE(BuildUninstallKeyPath("Brindlemoor", small, sizeof small));
    EXPECT_STREQ("", small);
}
