// The uninstaller's decisions: the start-up switch, the data-file rule and the group rule.
#include <gtest/gtest.h>

#include "common/long_path.h"
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

// What belongs to this installation: the record when its data file lies in the uninstaller's own
// folder, the entry when its command names this uninstaller; both paths normalised.
TEST(OwnInstallation, RecordAndEntryThatNameThisUninstaller) {
    const char *own = "C:\\TWL\\BRINDMOR\\brindd95.exe";
    const struct {
        const char *record;
        bool ours;
    } records[] = {
        {"C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", true},
        {"c:\\twl\\brindmor\\brindmor.qkt", true},
        {"C:/TWL/BRINDMOR/BRINDMOR.QKT", true},
        {"C:\\TWL\\.\\OLD\\..\\BRINDMOR\\\\BRINDMOR.QKT", true},
        {"C:\\TWL\\BRINDMOR\\precious.txt", true}, // the folder decides; the file is never taken
        {"C:\\TWL\\BRINDMOR\\", false}, // names no file, so no record Setup wrote: it stays
        {"D:\\GAMES\\BRIND\\BRINDMOR.QKT", false}, // another installation
        {"C:\\WINDOWS\\SYSTEM32\\BRINDMOR.QKT", false},
        {"\\\\host\\share\\BRINDMOR\\BRINDMOR.QKT", false},
        {"brindmor.qkt", false},
        {"C:BRINDMOR.QKT", false},
        {"C:\\TWL\\BRINDMOR.QKT", false},
        {"C:\\TWL\\BRINDMOR\\SUB\\BRINDMOR.QKT", false},
        {"", false},
    };
    for (const auto &row : records)
        EXPECT_EQ(row.ours, RecordBelongsHere(row.record, own)) << row.record;
    // An installation at a drive's root: the record has two backslashes in a row.
    EXPECT_TRUE(RecordBelongsHere("d:\\\\BRINDMOR.QKT", "d:\\brindd95.exe"));
    EXPECT_FALSE(RecordBelongsHere("d:\\X\\BRINDMOR.QKT", "d:\\brindd95.exe"));

    const struct {
        const char *command;
        bool ours;
    } commands[] = {
        {"C:\\TWL\\BRINDMOR\\brindd95.exe", true},
        {"\"C:\\TWL\\BRINDMOR\\brindd95.exe\"", true},
        {"c:\\twl\\brindmor\\BRINDD95.EXE", true},
        {"\"C:\\TWL\\BRINDMOR\\brindd95.exe", false}, // an open quote names no path of ours
        {"\"", false},                                // a lone quote names nothing
        {"D:\\GAMES\\BRIND\\brindd95.exe", false},
        {"C:\\TWL\\BRINDMOR\\brindd95.exe /registry", false},
        {"brindd95.exe", false},
        {"", false},
    };
    for (const auto &row : commands)
        EXPECT_EQ(row.ours, EntryNamesUninstaller(row.command, own)) << row.command;
    EXPECT_FALSE(EntryNamesUninstaller("C:\\X\\brindd95.exe", "")) << "no own path: nothing ours";
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

// The same folder under another spelling: what the system says of a substitute drive, and the
// identity of the files the record and the entry name, decide it too; an identity without an
// index (a file system that keeps none gives every file index 0) decides nothing.
TEST(OwnInstallation, TheSameFolderUnderAnotherSpelling) {
    const char *own = "C:\\TWL\\BRINDMOR\\brindd95.exe";
    EXPECT_TRUE(RecordIsOurs(RecordFound, "S:\\BRINDMOR.QKT", true, own));
    EXPECT_FALSE(RecordIsOurs(RecordFound, "S:\\BRINDMOR.QKT", false, own));
    EXPECT_TRUE(RecordIsOurs(RecordFound, "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", false, own));
    EXPECT_FALSE(RecordIsOurs(RecordTooLong, "", true, own)) << "nothing whole to compare";
    EXPECT_FALSE(RecordIsOurs(RecordFound, "S:\\BRINDMOR.QKT", true, "")) << "no own path";
    EXPECT_TRUE(EntryIsOurs(EntryFound, "J:\\brindd95.exe", true, own));
    EXPECT_FALSE(EntryIsOurs(EntryFound, "J:\\brindd95.exe", false, own));
    EXPECT_FALSE(EntryIsOurs(EntryUnreadable, own, true, own));
    EXPECT_FALSE(EntryIsOurs(EntryFound, own, true, ""));

    char folder[64] = "stale";
    EXPECT_TRUE(SubstituteFolder("\\??\\C:\\GAMES", folder, sizeof folder));
    EXPECT_STREQ("C:\\GAMES", folder);
    EXPECT_FALSE(SubstituteFolder("\\Device\\HarddiskVolume1", folder, sizeof folder));
    EXPECT_STREQ("", folder);
    EXPECT_FALSE(SubstituteFolder("\\??\\", folder, sizeof folder));
    EXPECT_FALSE(SubstituteFolder("\\??\\C:\\GAMES", folder, 8)) << "cut, it names another folder";
    EXPECT_STREQ("", folder);

    EXPECT_TRUE(SameIdentity({7, 1, 2}, {7, 1, 2}));
    EXPECT_FALSE(SameIdentity({7, 1, 2}, {8, 1, 2})) << "another volume";
    EXPECT_FALSE(SameIdentity({7, 1, 2}, {7, 1, 3}));
    EXPECT_FALSE(SameIdentity({0, 0, 0}, {0, 0, 0})) << "no index: no identity";
}
