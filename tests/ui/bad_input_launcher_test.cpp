// The launcher against bad input it may meet: odd installation records, odd hand-off values, a
// title key it may not read, and being started from a folder with blanks or from a drive root.
#include <gtest/gtest.h>

#include <aclapi.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/bad_input.h"
#include "tests/support/drives.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using namespace bad_input;

namespace {
const char kRequired[] = "Setup must be performed before playing.";
const char kIncomplete[] = "Existing setup is incomplete. Rerun setup before playing.";

class BadInputLauncher : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(RestoreDiscDrive());
        log_ = "C:\\recorder-bad-input.log";
        DeleteFileA(log_.c_str());
        SetEnvironmentVariableA("BRINDLE_RECORD_LOG", log_.c_str());
    }
    void TearDown() override {
        EndProcess(launcher_);
        DeleteFileA(log_.c_str());
        ResetTitleState();
        RestoreDiscDrive();
    }
    // Starts a launcher and waits for its main window (NULL when none came).
    HWND StartLauncher(const std::string &commandLine, const char *folder) {
        EndProcess(launcher_);
        launcher_ = StartProcess(commandLine, folder);
        HWND dialog = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, kWait);
        Settle(500);
        return dialog;
    }
    HWND StartFromDisc() { return StartLauncher("E:\\RBRINDMOR.EXE", "E:\\"); }
    void Exit(HWND dialog) {
        ClickButton(dialog, IDCANCEL);
        EXPECT_TRUE(WaitForExit(launcher_, kWait));
        EndProcess(launcher_);
    }
    // A recorded installation must never pass for a complete one: Play stays disabled.
    void ExpectNotComplete(HWND dialog, const char *why) {
        std::string status = ControlText(dialog, IDC_STATUS);
        EXPECT_TRUE(status == kIncomplete || status == kRequired) << why << ": " << status;
        EXPECT_FALSE(ControlEnabled(dialog, IDC_PLAY)) << why;
    }
    Process launcher_;
    std::string log_;
};

// Copies the launcher, the player and a marked uninstaller (the recorder) into `folder`, with a
// data file of its own.
bool LayOutTitle(const std::string &folder, const std::string &data) {
    CreateDirectoryA(folder.c_str(), NULL);
    CreateDirectoryA((folder + "\\data").c_str(), NULL);
    return CopyFileA((DiscFolder() + "\\RBRINDMOR.EXE").c_str(),
                     (folder + "\\RBRINDMOR.EXE").c_str(), FALSE) &&
           CopyFileA((DiscFolder() + "\\BRINDMOR.EXE").c_str(), (folder + "\\BRINDMOR.EXE").c_str(),
                     FALSE) &&
           CopyFileA(play_session::RecorderPath().c_str(), (folder + "\\brindd95.exe").c_str(),
                     FALSE) &&
           WriteWholeFile(folder + "\\data\\install.qkt", data);
}

// The installed files came from this source folder.
void ExpectInstalledFrom(const std::string &dataSource, const std::string &uninstallerSource) {
    EXPECT_EQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", InstallRecord());
    EXPECT_TRUE(ReadWholeFile(dataSource) == ReadWholeFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT"))
        << "the data file is not " << dataSource;
    EXPECT_TRUE(ReadWholeFile(uninstallerSource) ==
                ReadWholeFile("C:\\TWL\\BRINDMOR\\brindd95.exe"))
        << "the uninstaller is not " << uninstallerSource;
}
} // namespace

TEST_F(BadInputLauncher, RecordsThatNameNoDataFile) {
    // 300 characters: read into 260, the cut path names nothing.
    std::string tooLong = "C:\\TWL\\" + std::string(293, 'X');
    ASSERT_TRUE(
        WritePrivateProfileStringA("Brindlemoor", "Install", tooLong.c_str(), IniPath().c_str()));
    HWND dialog = StartFromDisc();
    ASSERT_NE(nullptr, dialog);
    ExpectNotComplete(dialog, "300-character record");
    EXPECT_EQ(tooLong, InstallRecord()) << "the launcher changed the record";
    Exit(dialog);

    // A folder where the data file should be.
    ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
    ASSERT_TRUE(CreateDirectoryA("C:\\TWL\\BRINDMOR", NULL));
    ASSERT_TRUE(CreateDirectoryA("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", NULL));
    ASSERT_TRUE(WritePrivateProfileStringA("Brindlemoor", "Install",
                                           "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", IniPath().c_str()));
    dialog = StartFromDisc();
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ(kIncomplete, ControlText(dialog, IDC_STATUS));
    EXPECT_FALSE(ControlEnabled(dialog, IDC_PLAY));
    EXPECT_TRUE(ControlEnabled(dialog, IDC_SETUP));
    Exit(dialog);
}

TEST_F(BadInputLauncher, ARecordCutAtItsBufferIsNotTakenForTheFileItsPrefixNames) {
    // The first 259 characters name an existing data file; the whole record names none.
    std::string prefix = FileAtPathLength(259, "BRINDMOR.QKT");
    ASSERT_EQ(259u, prefix.size());
    std::string record = prefix + std::string(41, 'Z');
    ASSERT_FALSE(FileExists(record));
    ASSERT_TRUE(
        WritePrivateProfileStringA("Brindlemoor", "Install", record.c_str(), IniPath().c_str()));
    HWND dialog = StartFromDisc();
    ASSERT_NE(nullptr, dialog);
    ExpectNotComplete(dialog, "record longer than the path buffer");
    Exit(dialog);
}

TEST_F(BadInputLauncher, HandOffValuesThatCannotBeUsedShowTheDialog) {
    const std::string recorder = play_session::RecorderPath();
    std::string thousand = recorder + " " + std::string(999 - recorder.size(), 'a');
    ASSERT_EQ(1000u, thousand.size());
    struct Case {
        const char *why;
        DWORD type;
        std::string value;
    } cases[] = {
        {"1,000 characters naming a real program", REG_SZ, thousand},
        {"binary data holding a program path", REG_BINARY, recorder},
        {"an empty value", REG_SZ, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.why);
        DeleteRegistryTree("Software\\Tarnwell");
        ASSERT_TRUE(SetRegistryValue(TITLE_KEY, "Autorun Program", c.type, c.value.c_str(),
                                     DWORD(c.value.size() + 1)));
        HWND dialog = StartFromDisc();
        ASSERT_NE(nullptr, dialog) << "no dialog";
        EXPECT_EQ(kRequired, ControlText(dialog, IDC_STATUS));
        Exit(dialog);
    }
    Sleep(1000); // a started recorder would have written by now
    EXPECT_EQ("", ReadWholeFile(log_)) << "something was started in place of the launcher";
}

namespace {
// Sets the title key's DACL: Everyone is refused `denied` and allowed everything else.
bool SetTitleKeyAccess(DWORD denied) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, TITLE_KEY, 0, READ_CONTROL | WRITE_DAC, &key) !=
        ERROR_SUCCESS)
        return false;
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = NULL;
    AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone);
    EXPLICIT_ACCESSA rules[2] = {};
    for (EXPLICIT_ACCESSA &rule : rules) {
        rule.grfInheritance = NO_INHERITANCE;
        rule.Trustee.TrusteeForm = TRUSTEE_IS_SID;
        rule.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
        rule.Trustee.ptstrName = static_cast<LPSTR>(everyone);
    }
    rules[0].grfAccessPermissions = denied;
    rules[0].grfAccessMode = DENY_ACCESS;
    rules[1].grfAccessPermissions = KEY_ALL_ACCESS;
    rules[1].grfAccessMode = SET_ACCESS;
    PACL acl = NULL;
    bool ok = denied != 0 ? SetEntriesInAclA(2, rules, NULL, &acl) == ERROR_SUCCESS
                          : SetEntriesInAclA(1, &rules[1], NULL, &acl) == ERROR_SUCCESS;
    SECURITY_DESCRIPTOR descriptor;
    ok = ok && InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
         SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
         RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor) == ERROR_SUCCESS;
    LocalFree(acl);
    FreeSid(everyone);
    RegCloseKey(key);
    return ok;
}

// Gives the key its access back before anything else tries to delete it.
struct TitleKeyAccessRestorer {
    ~TitleKeyAccessRestorer() { SetTitleKeyAccess(0); }
};
} // namespace

TEST_F(BadInputLauncher, ATitleKeyTheUserMayNotReadIsNoHandOff) {
    ASSERT_TRUE(SetRegistryString(TITLE_KEY, "Autorun Program", play_session::RecorderPath()));
    TitleKeyAccessRestorer restorer;
    ASSERT_TRUE(SetTitleKeyAccess(KEY_QUERY_VALUE));
    HKEY probe;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, TITLE_KEY, 0, KEY_QUERY_VALUE, &probe) == ERROR_SUCCESS) {
        RegCloseKey(probe);
        GTEST_SKIP() << "this Wine does not enforce the key's DACL: the refusal cannot be made";
    }
    HWND dialog = StartFromDisc();
    ASSERT_NE(nullptr, dialog) << "the launcher did not come up";
    EXPECT_EQ(kRequired, ControlText(dialog, IDC_STATUS));
    Exit(dialog);
    Sleep(1000);
    EXPECT_EQ("", ReadWholeFile(log_)) << "the registered program was started";
}

TEST_F(BadInputLauncher, AFolderWithBlanksFindsTheDiscAndItsTitleRoot) {
    const std::string copy = "C:\\Title Disc", data = copy + "\\data\\install.qkt";
    const std::string ownData = "the copy's own data file";
    ASSERT_TRUE(LayOutTitle(copy, ownData));
    CreateDirectoryA((copy + "\\Setup Files").c_str(), NULL);
    ASSERT_TRUE(CopyFileA((copy + "\\RBRINDMOR.EXE").c_str(),
                          (copy + "\\Setup Files\\RBRINDMOR.EXE").c_str(), FALSE));

    // The disc in E: wins over the files beside the launcher.
    HWND dialog = StartLauncher("\"" + copy + "\\RBRINDMOR.EXE\"", "C:\\");
    ASSERT_NE(nullptr, dialog);
    HWND setup = OpenSetupDialog(dialog, launcher_.id);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ("Ready to Play!", RunSetupToEnd(dialog, setup));
    ExpectInstalledFrom(DiscFolder() + "\\data\\install.qkt", DiscFolder() + "\\brindd95.exe");
    Exit(dialog);
    ResetTitleState();

    // No disc: a launcher in "C:\Title Disc\Setup Files" takes the title from "C:\Title Disc\".
    ASSERT_TRUE(EjectDiscDrive());
    const std::string playerLog = "C:\\player-bad-input.log";
    DeleteFileA(playerLog.c_str());
    SetEnvironmentVariableA("BRINDLE_PLAYER_LOG", playerLog.c_str());
    dialog = StartLauncher("\"" + copy + "\\Setup Files\\RBRINDMOR.EXE\"", "C:\\");
    ASSERT_NE(nullptr, dialog);
    setup = OpenSetupDialog(dialog, launcher_.id);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ("Space needed on drive C: " + std::to_string((ownData.size() + 500000) / 1024) +
                  " KB",
              ControlText(setup, IDC_SETUP_NEEDED));
    EXPECT_EQ("Ready to Play!", RunSetupToEnd(dialog, setup));
    ExpectInstalledFrom(data, copy + "\\brindd95.exe");

    // Play starts that folder's player itself, never a program named like the folder's first word.
    ASSERT_TRUE(CopyFileA(play_session::RecorderPath().c_str(), "C:\\Title.exe", FALSE));
    ClickButton(dialog, IDOK);
    EXPECT_EQ("\"" + copy + "\\BRINDMOR.EXE\"\r\n", play_session::WaitForFileText(playerLog));
    EXPECT_TRUE(WaitForExit(launcher_, kWait)) << "Play did not end the launcher";
    EXPECT_EQ("", ReadWholeFile(log_)) << "C:\\Title.exe was started in place of the player";
    // Its window comes after its note: wait for it, so that it cannot outlive the clean-up.
    EXPECT_NE(nullptr, WaitForTopWindow("TWL_ORB", "Brindlemoor", 0, kWait));
    CloseWindowsOfClass("TWL_ORB");
    DeleteFileA("C:\\Title.exe");
    DeleteFileA(playerLog.c_str());
    DeleteTree(copy);
}

TEST_F(BadInputLauncher, ALauncherAtADriveRootTakesThatRootAsTitleRoot) {
    DriveRestorer drives;
    const std::string folder = WindowsPathOf(DriveFolder("x-title-root"));
    ASSERT_TRUE(LayOutTitle(folder, "data at the root of X"));
    drives.Forget('x');
    ASSERT_TRUE(DefineDrive('x', DriveFolder("x-title-root"), DRIVE_FIXED, NULL));
    ASSERT_TRUE(EjectDiscDrive());
    ASSERT_EQ(UINT(DRIVE_FIXED), DriveType('x'));

    HWND dialog = StartLauncher("X:\\RBRINDMOR.EXE", "X:\\");
    ASSERT_NE(nullptr, dialog);
    HWND setup = OpenSetupDialog(dialog, launcher_.id);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ("Ready to Play!", RunSetupToEnd(dialog, setup));
    ExpectInstalledFrom("X:\\data\\install.qkt", "X:\\brindd95.exe");
    Exit(dialog);
    DeleteTree(folder + "\\data");
    for (const char *name : {"RBRINDMOR.EXE", "BRINDMOR.EXE", "brindd95.exe"})
        DeleteFileA((folder + "\\" + name).c_str());
}
