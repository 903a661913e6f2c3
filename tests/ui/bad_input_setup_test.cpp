// Setup from the launcher's window against a bad disc or a bad install folder: it must end
// cleanly, say so, and leave no record, no uninstall entry and no partial data file.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/bad_input.h"
#include "tests/support/drives.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <cstdlib>
#include <string>

using namespace bad_input;

namespace {
const char kDefaultFolder[] = "C:\\TWL\\BRINDMOR";
const char kSpaceShort[] = "    ** Insufficient space available ** ";
const char kTooLarge[] = "    ** Data file too large to install ** ";
const char kInstallTooLarge[] = "Setup cannot install the title: its data file is 4 GB or larger.";

class BadInputSetup : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(RestoreDiscDrive());
        main_ = StartLauncherFromDisc(&launcher_);
        ASSERT_NE(nullptr, main_);
    }
    void TearDown() override {
        EndProcess(launcher_);
        ResetTitleState();
    }
    // Nothing of an install is left, and the user is told.
    void ExpectCleanFailure(const std::string &status, const std::string &folder) {
        EXPECT_EQ(kInstallFailed, status);
        EXPECT_FALSE(FileExists(folder + "\\BRINDMOR.QKT")) << "a partial data file is left";
        EXPECT_FALSE(FileExists(folder + "\\brindd95.exe"));
        EXPECT_EQ("", InstallRecord());
        EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
        EXPECT_FALSE(ControlEnabled(main_, IDC_PLAY));
    }
    // With a data file of `bytes` on the disc (sparse: it costs no space on the machine), the
    // Setup dialog's space-needed line and whether it offers Setup; the dialog is cancelled.
    std::string NeededLine(const DiscDataSwap &swap, unsigned long long bytes, bool *offered) {
        *offered = true;
        if (!MakeSparseFile(swap.path(), bytes))
            return "(no data file made)";
        HWND setup = OpenSetupDialog(main_, launcher_.id);
        if (setup == NULL)
            return "(no Setup dialog)";
        std::string needed = ControlText(setup, IDC_SETUP_NEEDED);
        *offered = ControlEnabled(setup, IDC_SETUP_START);
        ClickButton(setup, IDCANCEL);
        Settle();
        return needed;
    }
    static std::string NeededFigure(unsigned long long bytes) {
        return "Space needed on drive C: " + std::to_string((bytes + 500000) / 1024) + " KB";
    }
    Process launcher_;
    HWND main_ = NULL;
};

bool ReadsLike(const std::string &expected) {
    return ReadWholeFile(DiscFolder() + "\\data\\install.qkt") == expected;
}
} // namespace

TEST_F(BadInputSetup, ADataFileWhoseReadsEndEarly) {
    // A kernel settings file reports 4,096 bytes but reads far fewer.
    const char shortFile[] = "/sys/kernel/mm/transparent_hugepage/enabled";
    std::string probe = ReadWholeFile(WindowsPathOf(shortFile));
    if (probe.empty() || probe.size() >= 4096)
        GTEST_SKIP() << "no short kernel file on this machine";
    DiscDataSwap swap;
    ASSERT_TRUE(swap.moved());
    const char *rig = std::getenv("BRINDLE_RIG");
    ASSERT_NE(nullptr, rig);
    ASSERT_TRUE(
        RunUnix("/bin/ln -s " + std::string(shortFile) + " " + rig + "/disc-e/data/install.qkt",
                ReadsLike, probe));
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ(NeededFigure(4096), ControlText(setup, IDC_SETUP_NEEDED));
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    ExpectCleanFailure(RunSetupToEnd(main_, setup), kDefaultFolder);
}

TEST_F(BadInputSetup, ADataFileLargerThanTheFreeSpace) {
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &totalFree));
    DiscDataSwap swap;
    ASSERT_TRUE(swap.moved());
    const unsigned long long size = available.QuadPart + (4ull << 30);
    bool offered = true;
    EXPECT_EQ(NeededFigure(size) + kSpaceShort, NeededLine(swap, size, &offered));
    EXPECT_FALSE(offered) << "Setup is offered for a data file that cannot fit";
    EXPECT_FALSE(FolderExists("C:\\TWL"));
    EXPECT_EQ("", InstallRecord());
}

TEST_F(BadInputSetup, ADataFileTheCopyCannotCarryIsRefusedWithItsReason) {
    const unsigned long long size = 4ull << 30; // one byte past the copy's 32-bit count
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA("C:\\", &available, &total, &totalFree));
    if (available.QuadPart < size + (64ull << 20))
        GTEST_SKIP() << "drive C: has no room for it: the refusal would be one for want of space";
    DiscDataSwap swap;
    ASSERT_TRUE(swap.moved());

    // The drive has room: the Setup dialog offers no Setup and says why.
    bool offered = true;
    EXPECT_EQ(NeededFigure(size) + kTooLarge, NeededLine(swap, size, &offered));
    EXPECT_FALSE(offered) << "Setup is offered for a data file the copy cannot carry";

    // The disc is found only once Setup was pressed: the install is refused before anything is
    // written, and the status line says why.
    ASSERT_TRUE(EjectDiscDrive());
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START)) << "no data file to size without the disc";
    ClickButton(setup, IDC_SETUP_START);
    // The Setup dialog has a static of id 0xFFFF too: the box is looked for once it has gone.
    for (DWORD start = GetTickCount(); IsWindow(setup) && GetTickCount() - start < kWait;)
        Sleep(50);
    HWND prompt = WaitForMessageBox(launcher_.id, kWait);
    ASSERT_NE(nullptr, prompt) << "no prompt for the disc";
    ASSERT_TRUE(RestoreDiscDrive());
    ClickButton(prompt, IDRETRY);
    for (int i = 0; i < 50 && ControlText(main_, IDC_STATUS) != kInstallTooLarge; ++i)
        Settle(100);
    EXPECT_EQ(kInstallTooLarge, ControlText(main_, IDC_STATUS));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));
    EXPECT_FALSE(FolderExists("C:\\TWL"));
    EXPECT_EQ("", InstallRecord());
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
}

TEST_F(BadInputSetup, AnInstallFolderThatIsAFile) {
    ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
    const std::string mine = "the user's own file, named like the install folder";
    ASSERT_TRUE(WriteWholeFile(kDefaultFolder, mine));
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    ExpectCleanFailure(RunSetupToEnd(main_, setup), kDefaultFolder);
    EXPECT_TRUE(FileExists(kDefaultFolder));
    EXPECT_EQ(mine, ReadWholeFile(kDefaultFolder)) << "the user's file was changed";
}

namespace {
// A folder under C:\TWL of exactly `length` characters.
std::string FolderOfLength(size_t length) {
    std::string folder = "C:\\TWL";
    while (folder.size() < length)
        folder += "\\" + std::string(40, 'L');
    folder.resize(length);
    return folder;
}

void PressEnter(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    PostMessageA(control, WM_KEYDOWN, VK_RETURN, 1);
    PostMessageA(control, WM_KEYUP, VK_RETURN, 0xC0000001);
    Settle();
}
} // namespace

TEST_F(BadInputSetup, AnInstallFolderAtTheLengthLimitIsRefusedNotCut) {
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ClickButton(setup, IDC_SETUP_BROWSE);
    HWND browser = WaitForTopWindow("#32770", "Custom Install", launcher_.id, kWait);
    ASSERT_NE(nullptr, browser);
    Settle();
    std::string folder = FolderOfLength(256);
    TypeInto(browser, IDC_BROWSE_EDIT, folder);
    folder.resize(255);
    EXPECT_EQ(folder, ControlText(browser, IDC_BROWSE_EDIT)) << "the box holds 255 characters";
    // The system's path record holds 127 characters: the browser takes no longer folder.
    EXPECT_FALSE(ControlEnabled(browser, IDOK));
    PressEnter(browser, IDC_BROWSE_EDIT);
    ASSERT_NE(nullptr, FindTopWindow("#32770", "Custom Install", launcher_.id));

    // A command that reaches OK while it is disabled (a posted click) takes nothing either.
    PostMessageA(browser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    Settle();
    ASSERT_NE(nullptr, FindTopWindow("#32770", "Custom Install", launcher_.id));
    ClickButton(browser, IDCANCEL);
    Settle();
    ASSERT_EQ(nullptr, FindTopWindow("#32770", "Custom Install", launcher_.id));
    EXPECT_EQ("C:\\TWL\\BRINDMOR", ControlText(setup, IDC_SETUP_FOLDER));
    ClickButton(setup, IDCANCEL);
    Settle();
    EXPECT_FALSE(FolderExists("C:\\TWL")) << "folders were made for a path that cannot be used";
}

// The deepest folder the browser takes is installed into whole, and its uninstaller then removes
// everything: the data file, its record, the entry, itself and every folder it made.
TEST_F(BadInputSetup, TheDeepestFolderTheBrowserTakesIsInstalledAndRemovedWhole) {
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ClickButton(setup, IDC_SETUP_BROWSE);
    HWND browser = WaitForTopWindow("#32770", "Custom Install", launcher_.id, kWait);
    ASSERT_NE(nullptr, browser);
    Settle();
    TypeInto(browser, IDC_BROWSE_EDIT, FolderOfLength(128));
    EXPECT_FALSE(ControlEnabled(browser, IDOK));
    const std::string folder = FolderOfLength(127);
    TypeInto(browser, IDC_BROWSE_EDIT, folder);
    ASSERT_TRUE(ControlEnabled(browser, IDOK));
    PressEnter(browser, IDC_BROWSE_EDIT);
    ASSERT_EQ(nullptr, FindTopWindow("#32770", "Custom Install", launcher_.id));
    EXPECT_EQ(folder, ControlText(setup, IDC_SETUP_FOLDER));
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    EXPECT_EQ("Ready to Play!", RunSetupToEnd(main_, setup));
    EXPECT_EQ(folder + "\\BRINDMOR.QKT", InstallRecord());
    EXPECT_TRUE(ReadWholeFile(DiscFolder() + "\\data\\install.qkt") ==
                ReadWholeFile(folder + "\\BRINDMOR.QKT"));
    std::string command;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    EXPECT_EQ(folder + "\\brindd95.exe", command);
    ASSERT_TRUE(FileExists(command));

    DeleteTemporaryBatchFiles();
    DWORD code = 99;
    ASSERT_TRUE(RunUninstaller(command, 1002, &code));
    EXPECT_EQ(0u, code);
    EXPECT_FALSE(FileExists(folder + "\\BRINDMOR.QKT"));
    EXPECT_EQ("", InstallRecord());
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(WaitUntilGone(command, 15000)) << "the uninstaller stayed";
    EXPECT_TRUE(WaitUntilGone("C:\\TWL", 15000)) << "its folders stayed";
    EXPECT_TRUE(WaitForNoTemporaryBatch());
}

// Setup run again over a working installation, from a disc whose data file has gone: the failure
// is shown although the installed state had hidden the status line, Play stays enabled, and the
// installation that worked is exactly as it was.
TEST_F(BadInputSetup, AFailedSecondSetupIsShownAndKeepsTheWorkingInstallation) {
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ASSERT_EQ("Ready to Play!", RunSetupToEnd(main_, setup));
    EndProcess(launcher_);
    const std::string data = std::string(kDefaultFolder) + "\\BRINDMOR.QKT";
    const std::string installed = ReadWholeFile(data);
    std::string command;
    ASSERT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &command));
    main_ = StartLauncherFromDisc(&launcher_);
    ASSERT_NE(nullptr, main_);
    ASSERT_FALSE(ControlVisible(main_, IDC_STATUS)) << "the installed state shows no status line";

    DiscDataSwap swap;
    ASSERT_TRUE(swap.moved());
    setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    EXPECT_EQ(kInstallFailed, RunSetupToEnd(main_, setup));
    EXPECT_TRUE(ControlVisible(main_, IDC_STATUS));
    EXPECT_TRUE(ControlEnabled(main_, IDC_PLAY));
    EXPECT_TRUE(ReadWholeFile(data) == installed) << "the working data file was touched";
    EXPECT_EQ(data, InstallRecord());
    std::string after;
    EXPECT_TRUE(ReadRegistryString(UNINSTALL_KEY, "UninstallString", &after));
    EXPECT_EQ(command, after);
    EXPECT_TRUE(FileExists(command));
}

// The install's facts are read when Setup is pressed, not when its dialog opened: the disc taken
// out meanwhile is asked for, and the install goes on once it is back.
TEST_F(BadInputSetup, FactsAreReadWhenSetupIsPressed) {
    DriveRestorer restorer;
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    ASSERT_NE(nullptr, setup);
    ASSERT_TRUE(EjectDiscDrive());
    ClickButton(setup, IDC_SETUP_START);
    // The Setup dialog has a static of id 0xFFFF too: the box is looked for once it has gone.
    for (DWORD start = GetTickCount(); IsWindow(setup) && GetTickCount() - start < kWait;)
        Sleep(50);
    HWND prompt = WaitForMessageBox(launcher_.id, kWait);
    ASSERT_NE(nullptr, prompt) << "the disc that went was not asked for";
    EXPECT_NE(std::string::npos, MessageBoxText(prompt).find("was not found"));
    ASSERT_TRUE(RestoreDiscDrive());
    ClickButton(prompt, IDRETRY);
    std::string status;
    for (int i = 0; i < 600 && status != "Ready to Play!"; ++i) {
        Sleep(100);
        status = ControlText(main_, IDC_STATUS);
    }
    EXPECT_EQ("Ready to Play!", status);
    EXPECT_EQ(std::string(kDefaultFolder) + "\\BRINDMOR.QKT", InstallRecord());
}

// A write refused for want of rights (here the record's: a folder stands where BRINDMOR.INI goes,
// which Windows refuses with access denied) has its own text on the NT family, and the install
// is undone as for any other failure.
TEST_F(BadInputSetup, ARefusalForWantOfRightsSaysSo) {
    ASSERT_TRUE(CreateDirectoryA(IniPath().c_str(), NULL));
    HWND setup = OpenSetupDialog(main_, launcher_.id);
    const std::string status = setup != NULL ? RunSetupToEnd(main_, setup) : "(no Setup dialog)";
    RemoveDirectoryA(IniPath().c_str());
    EXPECT_EQ("Setup could not install the title without an administrator's rights.", status);
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_FALSE(FolderExists("C:\\TWL"));
    EXPECT_FALSE(ControlEnabled(main_, IDC_PLAY));
}
