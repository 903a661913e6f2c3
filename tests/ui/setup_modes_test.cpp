// The main window of a title that needs no setup and of one whose setup is optional, seen through
// launchers built with those modes (RBRNONE.EXE, RBROPT.EXE); this title's own mode is Required.
#include <gtest/gtest.h>

#include <windows.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"

#include <cstdlib>
#include <string>

namespace {
const int kWidth = 427, kHeight = 360;

RECT ChildRect(HWND dialog, HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(NULL, dialog, reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

RECT ChildRect(HWND dialog, int id) {
    return ChildRect(dialog, GetDlgItem(dialog, id));
}

// The child window of the dialog that is not reached through any of these ids.
HWND OtherChild(HWND dialog, std::initializer_list<int> known) {
    for (HWND child = GetWindow(dialog, GW_CHILD); child != NULL;
         child = GetWindow(child, GW_HWNDNEXT)) {
        bool listed = false;
        for (int id : known)
            listed = listed || GetDlgItem(dialog, id) == child;
        if (!listed)
            return child;
    }
    return NULL;
}

class SetupModes : public ::testing::Test {
  protected:
    void SetUp() override { ResetTitleState(); }
    void TearDown() override {
        EndProcess(launcher_);
        ResetTitleState();
    }
    void Start(const char *program) {
        const char *build = std::getenv("BRINDLE_BUILD");
        launcher_ =
            StartProcess(WindowsPathOf(std::string(build != NULL ? build : "") + "/" + program));
        dialog_ = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher_.id, 15000);
        ASSERT_NE(nullptr, dialog_);
        Settle();
    }
    // Play, Help and Exit of Help's width, 10 pixels apart, centred under the picture.
    void ExpectRowWithPlayFirst() {
        const RECT play = ChildRect(dialog_, IDC_PLAY), help = ChildRect(dialog_, IDC_HELP_BUTTON);
        const RECT exit = ChildRect(dialog_, IDC_EXIT);
        const int w = help.right - help.left;
        EXPECT_EQ((kWidth - w) / 2, help.left);
        EXPECT_EQ(help.left - (w + 10), play.left);
        EXPECT_EQ(help.right + 10, exit.left);
        EXPECT_EQ(w, play.right - play.left);
        EXPECT_EQ(w, exit.right - exit.left);
        EXPECT_EQ(play.top, help.top);
        EXPECT_EQ(play.top, exit.top);
        EXPECT_GT(play.top, kHeight);
        EXPECT_EQ("Play", ControlText(dialog_, IDC_PLAY));
        EXPECT_TRUE(ControlEnabled(dialog_, IDC_PLAY));
        EXPECT_FALSE(ControlVisible(dialog_, IDC_STATUS));
    }
    Process launcher_;
    HWND dialog_ = NULL;
};
} // namespace

// No setup needed: the small Setup button becomes Play; the wide Play button is hidden and no
// visible control answers to Setup's id. An installation record is not even read.
TEST_F(SetupModes, NoSetupNeeded) {
    WritePrivateProfileStringA("Brindlemoor", "Install", "C:\\NOWHERE\\BRINDMOR.QKT",
                               IniPath().c_str());
    Start("RBRNONE.EXE");
    ExpectRowWithPlayFirst();
    EXPECT_FALSE(ControlVisible(dialog_, IDC_SETUP)); // the former wide Play, hidden
    HWND wide = GetDlgItem(dialog_, IDC_SETUP);
    ASSERT_NE(nullptr, wide);
    EXPECT_EQ("Setup", WindowText(wide)); // texts are set by id after the exchange
    EXPECT_EQ(nullptr,
              OtherChild(dialog_, {IDC_PLAY, IDC_SETUP, IDC_HELP_BUTTON, IDC_EXIT, IDC_STATUS}));
    SaveWindowShot(dialog_, "main-none.bmp");
}

// Optional setup, none recorded: Play is the row's left button and Setup keeps the place its
// template gives it.
TEST_F(SetupModes, OptionalSetupNotRecorded) {
    Start("RBROPT.EXE");
    ExpectRowWithPlayFirst();
    EXPECT_TRUE(ControlVisible(dialog_, IDC_SETUP));
    EXPECT_EQ("Setup", ControlText(dialog_, IDC_SETUP));
    // The template's place, 44,149 in dialog units, scaled by the button's own 50 x 14 units.
    const RECT setup = ChildRect(dialog_, IDC_SETUP);
    const double unitX = (setup.right - setup.left) / 50.0,
                 unitY = (setup.bottom - setup.top) / 14.0;
    EXPECT_NEAR(44 * unitX, setup.left, 2.0);
    EXPECT_NEAR(149 * unitY, setup.top, 3.0);
    SaveWindowShot(dialog_, "main-optional.bmp");
}
