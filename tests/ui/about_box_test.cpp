// The About box: opened from the window menu's entry and by WM_SYSCOMMAND 1, its texts, and
// closing it with OK and with Esc.
#include <gtest/gtest.h>

#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using namespace play_session;

namespace {
class AboutBox : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        dialog = StartLauncherFromDisc(&launcher);
        ASSERT_NE(nullptr, dialog);
    }
    void TearDown() override {
        EndProcess(launcher);
        ResetTitleState();
    }
    // The About box of the launcher, its texts checked.
    HWND ExpectAboutBox() {
        HWND about = WaitForDialog(launcher.id, "About");
        EXPECT_NE(nullptr, about);
        if (about == NULL)
            return NULL;
        EXPECT_EQ(dialog, GetWindow(about, GW_OWNER));
        EXPECT_EQ("1.0", ControlText(about, 3002));
        EXPECT_EQ("Title", ControlText(about, 3001));
        EXPECT_EQ("  ", ControlText(about, 3004));
        EXPECT_EQ("Brindlemoor \xA9 1996 Tarnwell, Inc. All rights reserved.",
                  ControlText(about, 3003));
        EXPECT_EQ("Orb playback engine \xA9 1995 Tarnwell, Inc. All rights reserved.",
                  ControlText(about, 3005));
        EXPECT_EQ("OK", ControlText(about, IDOK));
        HWND icon = GetDlgItem(about, 3010);
        EXPECT_NE(nullptr, icon);
        if (icon != NULL) {
            EXPECT_NE(0, SendMessageA(icon, STM_GETICON, 0, 0));
        }
        return about;
    }
    void ExpectClosedAndLauncherCarriesOn(HWND about) {
        EXPECT_TRUE(WaitUntilGone(about));
        EXPECT_FALSE(WaitForExit(launcher, 300));
        EXPECT_TRUE(IsWindowEnabled(dialog));
    }
    Process launcher;
    HWND dialog = NULL;
};
} // namespace

TEST_F(AboutBox, OpensOnSysCommandOneAndClosesWithOk) {
    PostMessageA(dialog, WM_SYSCOMMAND, 1, 0);
    HWND about = ExpectAboutBox();
    ASSERT_NE(nullptr, about);
    EXPECT_FALSE(IsWindowEnabled(dialog)) << "modal to the main dialog";
    ClickButton(about, IDOK);
    ExpectClosedAndLauncherCarriesOn(about);

    // Opened again, it is filled afresh.
    PostMessageA(dialog, WM_SYSCOMMAND, 1, 0);
    about = ExpectAboutBox();
    ASSERT_NE(nullptr, about);
    ClickButton(about, IDOK);
    ExpectClosedAndLauncherCarriesOn(about);
}

TEST_F(AboutBox, OpensFromTheWindowMenuEntryAndClosesWithEsc) {
    // Alt+Space opens the window menu; the entry is its last item, one step up from the top.
    PostMessageA(dialog, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    ASSERT_NE(nullptr, WaitForTopWindow("#32768", NULL, launcher.id, kWait));
    Settle();
    PostMessageA(dialog, WM_KEYDOWN, VK_UP, 0);
    Settle();
    PostMessageA(dialog, WM_KEYDOWN, VK_RETURN, 0);
    HWND about = ExpectAboutBox();
    ASSERT_NE(nullptr, about);

    Settle();
    HWND focused = GetDlgItem(about, FocusedControlId(about));
    ASSERT_NE(nullptr, focused);
    PostMessageA(focused, WM_KEYDOWN, VK_ESCAPE, 0);
    ExpectClosedAndLauncherCarriesOn(about);
}
