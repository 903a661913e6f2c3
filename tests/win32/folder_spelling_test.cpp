// One spelling of a folder on a real file system: Setup's canonical install folder, and the
// uninstaller's own path and the record's in the form it compares them by. Wine makes real short
// (8.3) names and substitute drives (DefineDosDeviceA; it reaches no file through one), and gives
// files their identity on one drive (the Unix file's inode).
#include <gtest/gtest.h>

#include "common/long_path.h"
#include "common/text.h"
#include "launcher/setup/install_folder.h"
#include "tests/support/machine_state.h"
#include "uninstaller/ownership.h"
#include "uninstaller/removal_rules.h"

#include <string>

namespace {
const char kLong[] = "C:\\TWL\\Long Folder Name";

class OneSpelling : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
        ASSERT_TRUE(CreateDirectoryA(kLong, NULL));
        char shortName[MAX_PATH] = "";
        ASSERT_NE(0u, GetShortPathNameA(kLong, shortName, MAX_PATH));
        short_ = shortName;
        ASSERT_NE(kLong, short_) << "no short name made";
    }
    void TearDown() override {
        DefineDosDeviceA(DDD_REMOVE_DEFINITION, "S:", NULL);
        ResetTitleState();
    }
    static std::string Canonical(const std::string &typed, FolderCheck expected) {
        char folder[256] = "stale";
        EXPECT_EQ(expected, MakeFolderCanonical(typed.c_str(), folder, sizeof folder)) << typed;
        return folder;
    }
    std::string short_;
};
} // namespace

// Each existing level by its long name, by the system's call and level by level alike (Windows
// 95 has no GetLongPathNameA); the levels still to be made as typed.
TEST_F(OneSpelling, ExistingLevelsTakeTheirLongNames) {
    for (auto form : {LongPathForm, LongPathFormByLevels}) {
        char path[MAX_PATH] = "";
        ASSERT_TRUE(form((short_ + "\\New\\BRINDMOR.QKT").c_str(), path, sizeof path));
        EXPECT_EQ(std::string(kLong) + "\\New\\BRINDMOR.QKT", path);
        ASSERT_TRUE(form("C:\\TWL\\.\\X\\..\\Y", path, sizeof path));
        EXPECT_STREQ("C:\\TWL\\Y", path);
        ASSERT_TRUE(form("C:\\", path, sizeof path));
        EXPECT_STREQ("C:\\", path);
        EXPECT_FALSE(form("Q:\\TWL", path, sizeof path)) << "no such drive";
        EXPECT_STREQ("", path);
    }
}

// What Setup makes of a typed folder, and what it refuses with which reason.
TEST_F(OneSpelling, SetupsInstallFolder) {
    EXPECT_EQ(std::string(kLong) + "\\BRIND", Canonical(short_ + "\\BRIND", FolderCanonical));
    EXPECT_EQ("C:\\TWL", Canonical("C:\\TWL\\", FolderCanonical));
    EXPECT_EQ("C:\\", Canonical("C:\\", FolderCanonical));
    EXPECT_EQ("d:", Canonical("d:", FolderCanonical)) << "a bare drive stands for its root";
    EXPECT_EQ("", Canonical("C:\\TWL\\BRIND.", FolderDotOrBlank));
    EXPECT_EQ("", Canonical("C:TWL", FolderNotFull));
    ASSERT_TRUE(DefineDosDeviceA(0, "S:", "C:\\TWL"));
    EXPECT_EQ("", Canonical("S:\\BRIND", FolderSubstDrive));
    char folder[MAX_PATH] = "";
    ASSERT_TRUE(SubstituteDriveFolder('S', folder, sizeof folder));
    EXPECT_STREQ("C:\\TWL", folder);
    EXPECT_FALSE(SubstituteDriveFolder('C', folder, sizeof folder)) << "a drive of its own";
}

// The uninstaller compares the record's and the entry's paths with its own in one spelling: a
// record written with a short name, or through a substitute drive, is its own all the same.
TEST_F(OneSpelling, TheUninstallerKnowsItsFolderInAnySpelling) {
    ASSERT_TRUE(DefineDosDeviceA(0, "S:", "C:\\TWL"));
    const std::string own = std::string(kLong) + "\\brindd95.exe";
    ASSERT_TRUE(WriteWholeFile(own, "uninstaller"));
    char ownPath[MAX_PATH] = "";
    OwnPathInOneSpelling((short_ + "\\BRINDD95.EXE").c_str(), ownPath, sizeof ownPath);
    EXPECT_STRCASEEQ(own.c_str(), ownPath);

    for (const std::string &recorded :
         {short_ + "\\BRINDMOR.QKT", std::string("S:\\Long Folder Name\\BRINDMOR.QKT")}) {
        SCOPED_TRACE(recorded);
        RemovalFacts facts = {};
        CopyText(facts.ownPath, sizeof facts.ownPath, own.c_str());
        CopyText(facts.recordPlace.file, sizeof facts.recordPlace.file, IniPath().c_str());
        CopyText(facts.recordPlace.section, sizeof facts.recordPlace.section, "Brindlemoor");
        CopyText(facts.entryKey, sizeof facts.entryKey, "Brindlemoor");
        ASSERT_TRUE(WritePrivateProfileStringA("Brindlemoor", "Install", recorded.c_str(),
                                               IniPath().c_str()));
        const std::string command =
            "\"" + recorded.substr(0, recorded.size() - 12) + "brindd95.exe\"";
        ASSERT_TRUE(SetRegistryString(UNINSTALL_KEY, "UninstallString", command));
        ReadOwnership(&facts);
        EXPECT_TRUE(RecordIsOurs(facts.record, facts.recordValue, facts.recordHereByIdentity,
                                 facts.ownPath))
            << facts.recordValue;
        EXPECT_TRUE(
            EntryIsOurs(facts.entry, facts.entryCommand, facts.entryOwnByIdentity, facts.ownPath))
            << facts.entryCommand;
        // Opened in that one spelling, the folder and the file are the own ones by identity too.
        EXPECT_TRUE(facts.recordHereByIdentity);
        EXPECT_TRUE(facts.entryOwnByIdentity);
    }
}
