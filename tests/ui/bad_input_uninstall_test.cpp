// The uninstaller against bad input: a second run after everything went, a copy started from
// another folder, and install records longer than it reads or as long as the launcher writes.
#include <gtest/gtest.h>

#include "tests/support/bad_input.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <string>

namespace {
const char kElsewhere[] = "C:\\ELSEWHERE";
const char kUserFile[] = "C:\\TWL\\notes.txt";

class BadInputUninstall : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTree(kElsewhere);
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
    }
    void TearDown() override {
        WaitForNoTemporaryBatch();
        DeleteTemporaryBatchFiles();
        DeleteTree(kElsewhere);
        ResetTitleState();
    }
    // Answers Yes and checks the uninstaller ended with 0.
    static void RunWithYes(const std::string &program) {
        DWORD code = 99;
        ASSERT_TRUE(RunUninstaller(program, 1002, &code)) << program << ": no question or no end";
        EXPECT_EQ(0u, code);
    }
};
} // namespace

TEST_F(BadInputUninstall, ASecondRunAfterEverythingWentRemovesNothingElse) {
    ASSERT_TRUE(WriteWholeFile(kUserFile, "mine"));
    RunWithYes(INSTALLED_UNINSTALLER);
    ASSERT_TRUE(WaitUntilGone(INSTALL_FOLDER, 15000));
    ASSERT_TRUE(WaitForNoTemporaryBatch());
    ASSERT_FALSE(FileExists(IniPath()));

    // Another title's record in the same file, and the uninstaller left behind once more.
    ASSERT_TRUE(WritePrivateProfileStringA("Other Title", "Install", kUserFile, IniPath().c_str()));
    ASSERT_TRUE(CreateDirectoryA(INSTALL_FOLDER, NULL));
    ASSERT_TRUE(CopyFileA(DistPath("BRINDDEL.EXE").c_str(), INSTALLED_UNINSTALLER, FALSE));
    RunWithYes(INSTALLED_UNINSTALLER);
    EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, 15000)) << "the second run did not remove itself";
    EXPECT_TRUE(WaitForNoTemporaryBatch()) << "temporary files are left in the Windows directory";
    EXPECT_EQ("mine", ReadWholeFile(kUserFile));
    char other[260] = "";
    GetPrivateProfileStringA("Other Title", "Install", "", other, sizeof other, IniPath().c_str());
    EXPECT_STREQ(kUserFile, other) << "another title's record was touched";
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
}

// A copy started from another folder is another installation's uninstaller: the record, the
// entry and the data file name the installation in C:\TWL\BRINDMOR, which stays as it was.
TEST_F(BadInputUninstall, ACopyInAnotherFolderRemovesOnlyItsOwnFolder) {
    const std::string copy = std::string(kElsewhere) + "\\brindd95.exe";
    ASSERT_TRUE(CreateDirectoryA(kElsewhere, NULL));
    ASSERT_TRUE(CopyFileA(DistPath("BRINDDEL.EXE").c_str(), copy.c_str(), FALSE));
    ASSERT_TRUE(WriteWholeFile(std::string(kElsewhere) + "\\BRINDMOR.WRI", "help beside the copy"));
    ASSERT_TRUE(WriteWholeFile(INSTALL_FOLDER "\\BRINDMOR.WRI", "help in the install folder"));
    RunWithYes(copy);

    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_EQ(INSTALLED_DATA_FILE, bad_input::InstallRecord());
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ(INSTALLED_UNINSTALLER, command);
    // Components only in its own folder; the batch removes that folder, not the install folder.
    EXPECT_FALSE(FileExists(std::string(kElsewhere) + "\\BRINDMOR.WRI"));
    EXPECT_TRUE(WaitUntilGone(copy, 15000));
    EXPECT_TRUE(WaitUntilGone(kElsewhere, 15000));
    EXPECT_TRUE(WaitForNoTemporaryBatch());
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    EXPECT_EQ("help in the install folder", ReadWholeFile(INSTALL_FOLDER "\\BRINDMOR.WRI"));
}

TEST_F(BadInputUninstall, ARecordLongerThanItReadsNeverDeletesTheFileItsPrefixNames) {
    // The first 255 characters name a data file elsewhere; the whole record names none.
    std::string prefix = bad_input::FileAtPathLength(255, "BRINDMOR.QKT");
    ASSERT_EQ(255u, prefix.size());
    std::string record = prefix + "\\" + std::string(44, 'Z');
    ASSERT_TRUE(
        WritePrivateProfileStringA("Brindlemoor", "Install", record.c_str(), IniPath().c_str()));
    RunWithYes(INSTALLED_UNINSTALLER);
    EXPECT_TRUE(WaitForNoTemporaryBatch());
    EXPECT_EQ("the user's file", ReadWholeFile(prefix)) << "a file the record does not name went";
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
}

TEST_F(BadInputUninstall, TheLongestRecordTheLauncherWritesIsStillRemoved) {
    // The launcher's record buffer holds 259 characters; a 256-character record was once refused.
    // The uninstaller beside such a data file removes it, its record, the entry and itself.
    for (size_t length : {256u, 259u}) {
        SCOPED_TRACE(length);
        ASSERT_TRUE(PrepareInstalledState());
        std::string data = bad_input::FileAtPathLength(length, "BRINDMOR.QKT");
        ASSERT_EQ(length, data.size());
        const std::string uninstaller = data.substr(0, length - 12) + "brindd95.exe";
        ASSERT_TRUE(CopyFileA(DistPath("BRINDDEL.EXE").c_str(), uninstaller.c_str(), FALSE));
        ASSERT_TRUE(
            WritePrivateProfileStringA("Brindlemoor", "Install", data.c_str(), IniPath().c_str()));
        ASSERT_TRUE(SetRegistryString(UNINSTALL_KEY, "UninstallString", uninstaller));
        RunWithYes(uninstaller);
        EXPECT_FALSE(FileExists(data));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_TRUE(WaitUntilGone(uninstaller, 15000));
        EXPECT_TRUE(WaitForNoTemporaryBatch());
        EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER)) << "another installation's uninstaller";
    }
}
