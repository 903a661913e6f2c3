// The main window while the disc is copied, seen through a launcher whose copy waits after each
// chunk (RBRSLOW.EXE): it answers messages, takes no command and cannot be closed until the install
// is whole or undone; and, in the optional-setup layout (RBROPT.EXE), where a failure shows.
#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include "launcher/resources/resource_ids.h"
#include "launcher/ui/main_picture.h"
#include "tests/support/driver.h"
#include "tests/support/drives.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {
const DWORD kWait = 15000;
const char kDataFile[] = "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT";
const char kUninstaller[] = "C:\\TWL\\BRINDMOR\\brindd95.exe";

std::string BuiltProgram(const char *name) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "") + "/" + name);
}

std::string InstallRecord() {
    char value[260] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    return value;
}

// Nothing half done: the record, both files and the entry are all there, or none of them is.
enum Installation { InstalledWhole, NothingInstalled, HalfInstalled };
Installation WhatIsInstalled() {
    const bool record = !InstallRecord().empty(), data = FileExists(kDataFile),
               uninstaller = FileExists(kUninstaller), entry = RegistryKeyExists(UNINSTALL_KEY);
    if (record && data && uninstaller && entry)
        return InstalledWhole;
    if (!record && !data && !uninstaller && !entry && !FolderExists("C:\\TWL"))
        return NothingInstalled;
    return HalfInstalled;
}

// Whether the close box at the caption's right end shows its cross in black, as it does while it
// works; greyed, the cross is drawn in grey.
bool CloseBoxWorks(HWND window) {
    RECT frame;
    GetWindowRect(window, &frame);
    const int edge = GetSystemMetrics(SM_CXDLGFRAME), size = GetSystemMetrics(SM_CXSIZE);
    const RECT box = {frame.right - edge - size, frame.top + edge, frame.right - edge,
                      frame.top + edge + GetSystemMetrics(SM_CYCAPTION) - 1};
    int black = 0;
    for (unsigned pixel : CaptureSettledPixels(box))
        black += pixel == 0 ? 1 : 0;
    return black > 0;
}

class InstallWindow : public ::testing::Test {
  protected:
    void SetUp() override { ResetTitleState(); }
    void TearDown() override {
        EndProcess(launcher_);
        ResetTitleState();
    }
    void Start(const char *program) {
        launcher_ = StartProcess(BuiltProgram(program), "E:\\");
        main_ = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, kWait);
        ASSERT_NE(nullptr, main_);
        Settle(500);
    }
    // Setup, then the Setup dialog's Setup button; true once the copy has begun.
    bool StartInstall() {
        ClickButton(main_, IDC_SETUP);
        HWND setup = WaitForTopWindow("#32770", "Setup", launcher_.id, kWait);
        if (setup == NULL)
            return false;
        Settle();
        ClickButton(setup, IDC_SETUP_START);
        for (DWORD start = GetTickCount(); GetTickCount() - start < kWait; Sleep(20))
            if (ControlText(main_, IDC_STATUS) == "Copying Files")
                return true;
        return false;
    }
    // True once the data file is being copied beside its place.
    bool CopyBegun() {
        for (DWORD start = GetTickCount(); GetTickCount() - start < kWait; Sleep(20))
            if (FileExists("C:\\TWL\\BRINDMOR\\BRINDMOR.QK~"))
                return true;
        return false;
    }
    std::string WaitForInstallEnd() {
        std::string status;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 120000; Sleep(100)) {
            status = ControlText(main_, IDC_STATUS);
            if (status != "Copying Files")
                break;
        }
        return status;
    }
    Process launcher_;
    HWND main_ = NULL;
};
} // namespace

TEST_F(InstallWindow, AnswersAndTakesNoCommandWhileTheCopyRuns) {
    Start("RBRSLOW.EXE");
    ASSERT_TRUE(CloseBoxWorks(main_));
    ASSERT_TRUE(StartInstall());

    // A message sent once the data file's copy has begun is answered while the copy still runs
    // (the time limit is only a guard): its file is not yet in place, no record is written.
    ASSERT_TRUE(CopyBegun());
    DWORD_PTR answer = 1;
    ASSERT_NE(0, SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer));
    EXPECT_EQ("Copying Files", ControlText(main_, IDC_STATUS));
    EXPECT_FALSE(FileExists(kDataFile)) << "the copy had ended";
    EXPECT_EQ("", InstallRecord());

    // What the user sees: every button disabled, and the close box greyed.
    for (int id : {IDC_PLAY, IDC_SETUP, IDC_HELP_BUTTON, IDC_EXIT})
        EXPECT_FALSE(ControlEnabled(main_, id)) << id;
    EXPECT_FALSE(CloseBoxWorks(main_)) << "the close box is not greyed";

    // Exit, Esc, the close box, Alt+F4, About and the session's end are all refused meanwhile.
    ClickButton(main_, IDC_EXIT);
    PostMessageA(main_, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(main_, WM_COMMAND, IDC_SETUP, 0);
    PostMessageA(main_, WM_SYSCOMMAND, SC_CLOSE, 0);
    PostMessageA(main_, WM_CLOSE, 0, 0);
    PostMessageA(main_, WM_SYSCOMMAND, IDM_ABOUT, 0);
    DWORD_PTR endSession = 1;
    EXPECT_NE(
        0, SendMessageTimeoutA(main_, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, 10000, &endSession));
    EXPECT_EQ(0u, endSession);
    Settle();
    EXPECT_FALSE(WaitForExit(launcher_, 0));
    EXPECT_EQ(nullptr, FindTopWindow("#32770", NULL, launcher_.id)); // no About, no Setup box
    EXPECT_EQ("Copying Files", ControlText(main_, IDC_STATUS)) << "the copy ended too soon";

    // The install ends whole, the window is given back, and Exit works again.
    EXPECT_EQ("Ready to Play!", WaitForInstallEnd());
    EXPECT_EQ(InstalledWhole, WhatIsInstalled());
    EXPECT_TRUE(ReadWholeFile(DiscFolder() + "\\data\\install.qkt") == ReadWholeFile(kDataFile));
    for (int id : {IDC_PLAY, IDC_SETUP, IDC_HELP_BUTTON, IDC_EXIT})
        EXPECT_TRUE(ControlEnabled(main_, id)) << id;
    EXPECT_EQ(IDC_PLAY, FocusedControlId(main_));
    EXPECT_TRUE(CloseBoxWorks(main_)) << "the close box was not given back";
    ClickButton(main_, IDC_EXIT);
    DWORD code = 99;
    EXPECT_TRUE(WaitForExit(launcher_, kWait, &code));
    EXPECT_EQ(0u, code);
}

// The disc taken out during the copy: the launcher stays until the install is undone (its
// uninstaller is on the disc), then ends; nothing is left half installed.
TEST_F(InstallWindow, TheDiscTakenOutEndsTheLauncherOnlyAfterTheInstall) {
    DriveRestorer drives;
    Start("RBRSLOW.EXE");
    ASSERT_TRUE(StartInstall());
    ASSERT_TRUE(CopyBegun());
    ASSERT_TRUE(EjectDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    DWORD_PTR answer = 1;
    ASSERT_NE(0, SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &answer));
    EXPECT_FALSE(WaitForExit(launcher_, 0)) << "ended in the middle of the install";
    EXPECT_EQ("Copying Files", ControlText(main_, IDC_STATUS));
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(launcher_, 120000, &code));
    EXPECT_EQ(0u, code);
    EXPECT_NE(HalfInstalled, WhatIsInstalled());
}

// Optional setup: the status line lies over the picture in this layout, so a failure's text moves
// below the picture, with the row moved down and the window grown, nothing overlapping.
TEST_F(InstallWindow, AFailureInTheOptionalLayoutShowsBelowThePicture) {
    const std::string uninstaller = DiscFolder() + "\\brindd95.exe", aside = uninstaller + ".aside";
    ASSERT_TRUE(MoveFileA(uninstaller.c_str(), aside.c_str())); // the install fails at it
    Start("RBROPT.EXE");
    RECT before;
    GetWindowRect(main_, &before);
    const RECT playBefore = [&] {
        RECT r;
        GetWindowRect(GetDlgItem(main_, IDC_PLAY), &r);
        return r;
    }();
    const bool started = StartInstall();
    const std::string status = started ? WaitForInstallEnd() : "";
    MoveFileA(aside.c_str(), uninstaller.c_str());
    ASSERT_TRUE(started);
    EXPECT_EQ("Setup could not install the title. Check the disc and the install folder.", status);
    EXPECT_EQ(NothingInstalled, WhatIsInstalled());
    ASSERT_TRUE(ControlVisible(main_, IDC_STATUS));

    RECT after, line, play, help, exit;
    GetWindowRect(main_, &after);
    GetWindowRect(GetDlgItem(main_, IDC_STATUS), &line);
    GetWindowRect(GetDlgItem(main_, IDC_PLAY), &play);
    GetWindowRect(GetDlgItem(main_, IDC_HELP_BUTTON), &help);
    GetWindowRect(GetDlgItem(main_, IDC_EXIT), &exit);
    const RECT client = ClientRectOnScreen(main_);
    const int pictureBottom = client.top + 360;
    EXPECT_GE(line.top, pictureBottom) << "the status line lies over the picture";
    EXPECT_LE(line.bottom, play.top) << "the status line runs into the row";
    EXPECT_EQ(play.top, help.top);
    EXPECT_EQ(play.top, exit.top);
    EXPECT_LE(play.bottom, client.bottom) << "the row leaves the window";
    const int grown = (after.bottom - after.top) - (before.bottom - before.top);
    EXPECT_GT(grown, 0);
    EXPECT_EQ(play.top - playBefore.top, grown) << "the row moved as much as the window grew";
    EXPECT_EQ(before.top, after.top);
    SaveWindowShot(main_, "main-optional-failed.bmp");
}
