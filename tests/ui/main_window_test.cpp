// The launcher's main window started from the title's disc: controls by installation state,
// placement, the picture and the progress picture on screen, and the end when the disc goes.
#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include "launcher/resources/resource_ids.h"
#include "launcher/ui/main_picture.h"
#include "tests/support/bmp_image.h"
#include "tests/support/driver.h"
#include "tests/support/drives.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/progress_repaint.h"

namespace {
const int kWidth = 427, kHeight = 360;
const char kData[] = "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT";

RECT ChildRect(HWND dialog, int id) {
    RECT rect = {};
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(RestoreDiscDrive());
    }
    void TearDown() override {
        EndProcess(launcher_);
        ResetTitleState();
        RestoreDiscDrive();
    }
    static void RecordInstall(bool withDataFile) {
        CreateDirectoryA("C:\\TWL", NULL);
        CreateDirectoryA("C:\\TWL\\BRINDMOR", NULL);
        WritePrivateProfileStringA("Brindlemoor", "Install", kData, IniPath().c_str());
        WritePrivateProfileStringA(NULL, NULL, NULL, IniPath().c_str());
        if (withDataFile) {
            ASSERT_TRUE(WriteWholeFile(kData, "data"));
        }
    }
    void Start() {
        dialog_ = StartLauncherFromDisc(&launcher_);
        ASSERT_NE(nullptr, dialog_);
    }
    // The layout every state with the wide Play button shares: picture, Play spanning the row,
    // then Setup, Help and Exit of Help's width, 10 pixels apart, centred under the picture.
    void ExpectWidePlayLayout() {
        const RECT play = ChildRect(dialog_, IDC_PLAY), setup = ChildRect(dialog_, IDC_SETUP);
        const RECT help = ChildRect(dialog_, IDC_HELP_BUTTON), exit = ChildRect(dialog_, IDC_EXIT);
        const int w = help.right - help.left;
        EXPECT_EQ((kWidth - w) / 2, help.left);
        EXPECT_EQ(help.left - (w + 10), setup.left);
        EXPECT_EQ(help.right + 10, exit.left);
        EXPECT_EQ(w, setup.right - setup.left);
        EXPECT_EQ(w, exit.right - exit.left);
        EXPECT_EQ(setup.top, help.top);
        EXPECT_EQ(setup.top, exit.top);
        EXPECT_EQ(setup.left, play.left);
        EXPECT_EQ(exit.right, play.right);
        EXPECT_GT(play.top, kHeight);
        EXPECT_GT(setup.top, play.bottom);
        RECT client;
        GetClientRect(dialog_, &client);
        EXPECT_EQ(kWidth, client.right);
        EXPECT_GT(client.bottom, setup.bottom);
    }
    void ExpectButtonTexts() {
        EXPECT_EQ("Brindlemoor", WindowText(dialog_));
        EXPECT_EQ("Play", ControlText(dialog_, IDC_PLAY));
        EXPECT_EQ("Setup", ControlText(dialog_, IDC_SETUP));
        EXPECT_EQ("Help", ControlText(dialog_, IDC_HELP_BUTTON));
        EXPECT_EQ("Exit", ControlText(dialog_, IDC_EXIT));
        for (int id : {IDC_PLAY, IDC_SETUP, IDC_HELP_BUTTON, IDC_EXIT})
            EXPECT_TRUE(ControlVisible(dialog_, id)) << id;
    }
    Process launcher_;
    HWND dialog_ = NULL;
};
} // namespace

// This build's mode is "Setup:Required"; the None and Optional layouts are covered by the unit
// tests.
TEST_F(MainWindowTest, NotInstalledAsksForSetup) {
    Start();
    ExpectButtonTexts();
    EXPECT_TRUE(ControlVisible(dialog_, IDC_STATUS));
    EXPECT_EQ("Setup must be performed before playing.", ControlText(dialog_, IDC_STATUS));
    EXPECT_FALSE(ControlEnabled(dialog_, IDC_PLAY));
    EXPECT_TRUE(ControlEnabled(dialog_, IDC_SETUP));
    EXPECT_EQ(IDC_SETUP, FocusedControlId(dialog_));
    ExpectWidePlayLayout();
    const RECT status = ChildRect(dialog_, IDC_STATUS);
    EXPECT_GT(status.top, kHeight);
    EXPECT_LT(status.bottom, ChildRect(dialog_, IDC_PLAY).top + 1);
    EXPECT_TRUE(SaveWindowShot(dialog_, "main-required.bmp"));
}

TEST_F(MainWindowTest, InstalledOffersPlay) {
    RecordInstall(true);
    Start();
    ExpectButtonTexts();
    EXPECT_FALSE(ControlVisible(dialog_, IDC_STATUS));
    EXPECT_TRUE(ControlEnabled(dialog_, IDC_PLAY));
    EXPECT_EQ(IDC_PLAY, FocusedControlId(dialog_));
    ExpectWidePlayLayout();
    EXPECT_TRUE(SaveWindowShot(dialog_, "main-complete.bmp"));
}

TEST_F(MainWindowTest, RecordWithoutItsDataFileIsIncomplete) {
    RecordInstall(false);
    Start();
    ExpectButtonTexts();
    EXPECT_TRUE(ControlVisible(dialog_, IDC_STATUS));
    EXPECT_EQ("Existing setup is incomplete. Rerun setup before playing.",
              ControlText(dialog_, IDC_STATUS));
    EXPECT_FALSE(ControlEnabled(dialog_, IDC_PLAY));
    EXPECT_EQ(IDC_SETUP, FocusedControlId(dialog_));
    ExpectWidePlayLayout();
    EXPECT_TRUE(SaveWindowShot(dialog_, "main-incomplete.bmp"));
}

TEST_F(MainWindowTest, CentredOnTheScreen) {
    Start();
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_EQ(screenW, work.right - work.left); // no taskbar in the rig: nothing to clamp
    RECT frame;
    GetWindowRect(dialog_, &frame);
    EXPECT_EQ((screenW - (frame.right - frame.left)) / 2, frame.left);
    EXPECT_EQ((screenH - (frame.bottom - frame.top)) / 2, frame.top);
}

TEST_F(MainWindowTest, PictureAndProgressPictureOnScreen) {
    RgbImage picture, progress;
    ASSERT_TRUE(ReadPaletteBmp(ArtworkPath("picture.bmp"), &picture)) << ArtworkPath("picture.bmp");
    ASSERT_TRUE(ReadPaletteBmp(ArtworkPath("progress.bmp"), &progress));
    Start();

    std::vector<unsigned> shown = PictureOnScreen(dialog_, kWidth, kHeight);
    EXPECT_LT(MismatchShare(shown, kWidth, picture, 0, kHeight, 8), 0.002);

    SendMessageA(dialog_, WM_INSTALLPROGRESS, 50, 0);
    shown = PictureOnScreen(dialog_, kWidth, kHeight);
    EXPECT_LT(MismatchShare(shown, kWidth, picture, 0, 180, 8), 0.002);
    EXPECT_LT(MismatchShare(shown, kWidth, progress, 180, kHeight, 8), 0.002);
    EXPECT_GT(MismatchShare(shown, kWidth, picture, 180, kHeight, 8), 0.5); // really the other one
    EXPECT_TRUE(SaveWindowShot(dialog_, "main-progress-50.bmp"));

    SendMessageA(dialog_, WM_INSTALLPROGRESS, 0, 0);
    shown = PictureOnScreen(dialog_, kWidth, kHeight);
    EXPECT_LT(MismatchShare(shown, kWidth, progress, 0, kHeight, 8), 0.002);

    SendMessageA(dialog_, WM_INSTALLPROGRESS, 100, 0);
    shown = PictureOnScreen(dialog_, kWidth, kHeight);
    EXPECT_LT(MismatchShare(shown, kWidth, picture, 0, kHeight, 8), 0.002);
}

// Each new percentage draws only the rows that change colour, and leaves on screen the picture a
// whole repaint gives: an install's start, steps and end, a second install, a repeated percentage
// (nothing drawn) and percentages out of range.
TEST_F(MainWindowTest, ProgressRedrawsOnlyTheRowsThatChange) {
    Start();
    ExpectBandRepaintsMatchWholeRepaints(
        dialog_, kWidth, kHeight, {0, 1, 2, 37, 50, 50, 51, 99, 100, 0, 63, 250, 100, -5, 0, 100});
}

TEST_F(MainWindowTest, TakingTheDiscOutEndsAnIdleLauncher) {
    Start();
    // Another kind of device event, and the removal of a volume that is not a CD-ROM, change
    // nothing while the disc is still in its drive.
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    BroadcastVolumeEvent(DBT_DEVICEARRIVAL);
    Settle();
    ASSERT_TRUE(IsWindow(dialog_));

    ASSERT_TRUE(EjectDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE, DBT_DEVTYP_PORT); // not a volume
    Settle();
    ASSERT_TRUE(IsWindow(dialog_));
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(launcher_, 10000, &code));
    EXPECT_EQ(0u, code);
}

TEST_F(MainWindowTest, OnlyTheTitlesDiscGoingAwayEndsIt) {
    // Started from the disc: another disc taken out leaves the title's disc in its drive.
    DriveRestorer drives;
    drives.Forget('m');
    ASSERT_TRUE(DefineDrive('m', DriveFolder("other-disc"), DRIVE_CDROM, "OTHER_DISC"));
    Start();
    ASSERT_TRUE(DefineDrive('m', MissingFolder(), DRIVE_CDROM, NULL));
    ASSERT_EQ("", DriveLabel('m'));
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    Settle(1000);
    EXPECT_TRUE(IsWindow(dialog_));
    EXPECT_FALSE(WaitForExit(launcher_, 0));
    EndProcess(launcher_);

    // Started from a copy on the hard disk with no disc in any drive: no removal is the disc's.
    const std::string copy = "C:\\TWL\\DISC COPY";
    CreateDirectoryA("C:\\TWL", NULL);
    CreateDirectoryA(copy.c_str(), NULL);
    ASSERT_TRUE(
        CopyFileA(DistPath("RBRINDMOR.EXE").c_str(), (copy + "\\RBRINDMOR.EXE").c_str(), FALSE));
    ASSERT_TRUE(EjectDiscDrive());
    launcher_ = StartProcess("\"" + copy + "\\RBRINDMOR.EXE\"", copy.c_str());
    dialog_ = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, 15000);
    ASSERT_NE(nullptr, dialog_);
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    Settle(1000);
    EXPECT_TRUE(IsWindow(dialog_)) << "an unrelated removal ended a launcher without its disc";

    // The disc put in later is the title's disc: taking it out again ends the launcher.
    ASSERT_TRUE(RestoreDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEARRIVAL);
    Settle();
    ASSERT_TRUE(IsWindow(dialog_));
    ASSERT_TRUE(EjectDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    DWORD code = 99;
    EXPECT_TRUE(WaitForExit(launcher_, 10000, &code));
    EXPECT_EQ(0u, code);
}

TEST_F(MainWindowTest, WindowMenuCommandOneOpensTheAboutBox) {
    Start();
    PostMessageA(dialog_, WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitForTopWindow("#32770", NULL, launcher_.id, 5000);
    ASSERT_NE(nullptr, about);
    EXPECT_NE(nullptr, GetDlgItem(about, IDC_ABOUT_ICON)); // dialog 102, not some other box
    ClickButton(about, IDOK);
    Settle();
    EXPECT_FALSE(IsWindow(about));
    EXPECT_TRUE(IsWindow(dialog_));
}

TEST_F(MainWindowTest, SetupOpensTheSetupDialogAndExitEnds) {
    Start();
    ClickButton(dialog_, IDC_SETUP);
    HWND setup = WaitForTopWindow("#32770", NULL, launcher_.id, 5000);
    ASSERT_NE(nullptr, setup);
    EXPECT_NE(nullptr, GetDlgItem(setup, IDC_SETUP_BROWSE)); // dialog 116
    ClickButton(setup, IDCANCEL);
    Settle();
    EXPECT_FALSE(IsWindow(setup));
    ASSERT_TRUE(IsWindow(dialog_));
    EXPECT_EQ("Setup must be performed before playing.", ControlText(dialog_, IDC_STATUS));

    ClickButton(dialog_, IDC_EXIT);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(launcher_, 10000, &code));
    EXPECT_EQ(0u, code);
}
