// The registry path of the title's uninstall entry.
#include <gtest/gtest.h>

#include "common/uninstall_key.h"

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
