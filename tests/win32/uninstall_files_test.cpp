// What the uninstaller does with the installed files, the INI record and the attributes. Wine's
// shell answers "PROGMAN" here (no group of the title's): the removal runs as on a plain machine.
#include <gtest/gtest.h>

#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <string>

namespace {

bool IsReadOnly(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string IniValue(const char *section, const char *key) {
    char value[256] = "";
    GetPrivateProfileStringA(section, key, "", value, sizeof value, IniPath().c_str());
    return value;
}

class UninstallFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
        ASSERT_TRUE(PrepareInstalledState());
    }
    void TearDown() override {
        DWORD start = GetTickCount();
        while (!TemporaryBatchFiles().empty() && GetTickCount() - start < 15000)
            Sleep(200);
        DeleteTemporaryBatchFiles();
        SetFileAttributesA(INSTALL_FOLDER "\\BRINDMOR.WRI", FILE_ATTRIBUTE_NORMAL);
        ResetTitleState();
    }
    void RemoveWithYes() {
        DWORD exitCode = 99;
        ASSERT_TRUE(RunUninstaller(INSTALLED_UNINSTALLER, 1002, &exitCode));
        EXPECT_EQ(0u, exitCode);
    }
};

} // namespace

TEST_F(UninstallFiles, ReadOnlyComponentGoesAndHeldOneStays) {
    const char *player = INSTALL_FOLDER "\\BRINDMOR.EXE";
    const char *help = INSTALL_FOLDER "\\BRINDMOR.WRI";
    ASSERT_TRUE(WriteWholeFile(player, "player"));
    ASSERT_TRUE(WriteWholeFile(help, "help"));
    SetFileAttributesA(player, FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(help, FILE_ATTRIBUTE_READONLY);
    // Another program holds the help document open.
    HANDLE held = CreateFileA(help, GENERIC_READ, FILE_SHARE_READ, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RemoveWithYes();
    EXPECT_FALSE(FileExists(player)) << "a read-only component is made writable and deleted";
    EXPECT_TRUE(FileExists(help));
    EXPECT_TRUE(IsReadOnly(help)) << "the held file keeps its read-only attribute";
    CloseHandle(held);
    // The folder still holds the help document, so it stays; the rest went.
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(FolderExists(INSTALL_FOLDER));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
}

TEST_F(UninstallFiles, OtherIniSectionKeepsTheFile) {
    ASSERT_TRUE(WritePrivateProfileStringA("Other Title", "Install", "C:\\OTHER\\X.DAT",
                                           IniPath().c_str()));
    RemoveWithYes();
    EXPECT_TRUE(FileExists(IniPath()));
    EXPECT_EQ("C:\\OTHER\\X.DAT", IniValue("Other Title", "Install"));
    EXPECT_EQ("", IniValue("Brindlemoor", "Install"));
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
}

TEST_F(UninstallFiles, OnlyTheTitlesDataFileIsDeleted) {
    // A record naming some other file: the file stays, the record goes.
    const char *precious = "C:\\TWL\\precious.txt";
    ASSERT_TRUE(WriteWholeFile(precious, "mine"));
    ASSERT_TRUE(WritePrivateProfileStringA("Brindlemoor", "Install", precious, IniPath().c_str()));
    RemoveWithYes();
    EXPECT_TRUE(FileExists(precious));
    EXPECT_FALSE(FileExists(IniPath())) << "the section was the file's only one";
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE)) << "not named by the record";
}

TEST_F(UninstallFiles, ReadOnlyUninstallerIsStillDeletedByTheBatch) {
    SetFileAttributesA(INSTALLED_UNINSTALLER, FILE_ATTRIBUTE_READONLY);
    RemoveWithYes();
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000));
}

TEST_F(UninstallFiles, HeldDataFileKeepsItsRecordTheKeyAndTheUninstaller) {
    const char *player = INSTALL_FOLDER "\\BRINDMOR.EXE";
    ASSERT_TRUE(WriteWholeFile(player, "player"));
    // Another program holds the data file open with no sharing: it cannot be deleted.
    HANDLE held = CreateFileA(INSTALLED_DATA_FILE, GENERIC_READ, 0, NULL, OPEN_EXISTING, 0, NULL);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    RemoveWithYes();
    EXPECT_TRUE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_EQ(INSTALLED_DATA_FILE, IniValue("Brindlemoor", "Install"));
    EXPECT_TRUE(RegistryKeyExists(UNINSTALL_KEY)) << "nothing else would start the uninstaller";
    EXPECT_TRUE(TemporaryBatchFiles().empty()) << "no self-deletion was prepared";
    EXPECT_FALSE(FileExists(player)) << "the components go all the same";
    Settle(2000);
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
    CloseHandle(held);

    // Once the file is free, a second run finishes the removal.
    RemoveWithYes();
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(FileExists(IniPath()));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(WaitUntilGone(INSTALLED_UNINSTALLER, 15000));
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000));
}
