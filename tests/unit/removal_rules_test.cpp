// The uninstaller's decisions: the start-up switch, the data-file rule and the group rule.
#include <gtest/gtest.h>

#include "uninstaller/progman_replies.h"
#include "uninstaller/removal_rules.h"

#include <string>

TEST(UninstallerStartup, RegistrySwitchIsACaseSensitiveSubstring) {
    EXPECT_TRUE(HasRegistrySwitch("/registry"));
    EXPECT_TRUE(HasRegistrySwitch("x /registryfoo"));
    EXPECT_TRUE(HasRegistrySwitch("a/registry"));
    EXPECT_FALSE(HasRegistrySwitch("/Registry"));
    EXPECT_FALSE(HasRegistrySwitch("/REGISTRY"));
    EXPECT_FALSE(HasRegistrySwitch("/registr"));
    EXPECT_FALSE(HasRegistrySwitch(""));
    EXPECT_FALSE(HasRegistrySwitch(nullptr));
}

TEST(DataFileRule, OnlyTheTitlesDataFileIsDeleted) {
    EXPECT_TRUE(NamesTitleDataFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_TRUE(NamesTitleDataFile("d:\\\\brindmor.qkt", "BRINDMOR.QKT"));
    EXPECT_TRUE(NamesTitleDataFile("d:BRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\WINDOWS\\WIN.INI", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\BRINDMOR.QKT.BAK", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\XBRINDMOR.QKT", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\BRINDMOR.QKT\\", "BRINDMOR.QKT"));
    EXPECT_FALSE(NamesTitleDataFile("C:\\TWL\\BRINDMOR.QKT", "")) << "no name loaded";
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
