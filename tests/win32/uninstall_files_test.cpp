// What the uninstaller does with the installed files, the INI record, the entry and the
// attributes, and with two installations side by side. Wine's shell answers "PROGMAN" here (no
// group of the title's): the removal runs as on a plain machine.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "common/text.h"
#include "launcher/core/install_state.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install.h"
#include "launcher/setup/install_facts.h"
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
    static void RemoveWithYes(const std::string &uninstaller = INSTALLED_UNINSTALLER) {
        DWORD exitCode = 99;
        ASSERT_TRUE(RunUninstaller(uninstaller, 1002, &exitCode)) << uninstaller;
        EXPECT_EQ(0u, exitCode);
    }
    // Waits until the uninstaller's batch has run: the uninstaller and its temporary files gone.
    static void WaitForSelfDeletion(const std::string &uninstaller) {
        EXPECT_TRUE(WaitUntilGone(uninstaller, 15000)) << uninstaller;
        DWORD start = GetTickCount();
        while (!TemporaryBatchFiles().empty() && GetTickCount() - start < 15000)
            Sleep(200);
    }
};

// Setup's own install into a folder, from the disc in E:, with the launcher's strings.
bool InstallInto(const char *folder) {
    HMODULE launcher =
        LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    SetStringSource(launcher, LANG_BASE_ENGLISH);
    InstallFacts facts = {};
    facts.titleFound = true;
    (DiscFolder() + "\\data\\install.qkt").copy(facts.dataSource, sizeof facts.dataSource - 1);
    (DiscFolder() + "\\brindd95.exe")
        .copy(facts.uninstallerSource, sizeof facts.uninstallerSource - 1);
    GatherInstallFacts(&facts);
    InstallChoice choice = {};
    CopyText(choice.folder, sizeof choice.folder, folder);
    const bool installed =
        CarryOutInstall(PlanInstall(choice, facts), ProgressSink{[](void *, unsigned) {}, nullptr})
            .installed;
    FreeLibrary(launcher);
    return installed;
}

// What the launcher says of the installation now recorded.
InstallState LauncherState() {
    HMODULE launcher =
        LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    SetStringSource(launcher, LANG_BASE_ENGLISH);
    const InstallState state = GetInstallState();
    FreeLibrary(launcher);
    return state;
}

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

// The entry's key cannot be deleted (someone added a key under it): the uninstaller keeps itself,
// so that the entry left in Windows' list never names a missing program.
TEST_F(UninstallFiles, AnEntryThatCannotBeDeletedKeepsTheUninstaller) {
    ASSERT_TRUE(SetRegistryString(UNINSTALL_KEY "\\Added", "By", "another program"));
    RemoveWithYes();
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(FileExists(IniPath()));
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ(INSTALLED_UNINSTALLER, command);
    EXPECT_TRUE(TemporaryBatchFiles().empty()) << "no self-deletion was prepared";
    Settle(2000);
    EXPECT_TRUE(FileExists(INSTALLED_UNINSTALLER));
}

// Setup into one folder, then into another: removed in either order, each uninstaller takes only
// its own installation, and the other stays as it was, still installed while it is recorded.
TEST_F(UninstallFiles, TwoInstallationsSideBySideRemovedInEitherOrder) {
    const std::string first = INSTALL_FOLDER, second = "C:\\TWL\\SECOND";
    for (bool olderFirst : {true, false}) {
        SCOPED_TRACE(olderFirst ? "the older one first" : "the newer one first");
        ResetTitleState();
        ASSERT_TRUE(InstallInto(first.c_str()));
        ASSERT_TRUE(InstallInto(second.c_str()));
        const std::string older = ReadWholeFile(first + "\\BRINDMOR.QKT");
        const std::string newer = ReadWholeFile(second + "\\BRINDMOR.QKT");
        ASSERT_FALSE(older.empty());

        const std::string &gone = olderFirst ? first : second, &kept = olderFirst ? second : first;
        RemoveWithYes(gone + "\\brindd95.exe");
        WaitForSelfDeletion(gone + "\\brindd95.exe");
        EXPECT_FALSE(FolderExists(gone));
        EXPECT_TRUE(ReadWholeFile(kept + "\\BRINDMOR.QKT") == (olderFirst ? newer : older));
        EXPECT_TRUE(FileExists(kept + "\\brindd95.exe"));
        std::string command;
        if (olderFirst) { // the newer one is recorded and listed, and stays so
            EXPECT_EQ(second + "\\BRINDMOR.QKT", IniValue("Brindlemoor", "Install"));
            EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
            EXPECT_EQ(second + "\\brindd95.exe", command);
            EXPECT_EQ(SetupComplete, LauncherState());
        } else { // the newer one took its record and entry with it
            EXPECT_FALSE(FileExists(IniPath()));
            EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        }

        RemoveWithYes(kept + "\\brindd95.exe");
        WaitForSelfDeletion(kept + "\\brindd95.exe");
        EXPECT_FALSE(FolderExists(kept));
        EXPECT_FALSE(FolderExists("C:\\TWL"));
        EXPECT_FALSE(FileExists(IniPath()));
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    }
}
