// Play on a 600x480 machine without a wave-out device: one message lists the display and the
// sound card, and nothing is started.
#include <gtest/gtest.h>

#include <windows.h>

#include <dbt.h>

#include "tests/support/drives.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using namespace play_session;

namespace {
const char kMissingDisplayAndSound[] =
    "\"Brindlemoor\" cannot be played since the following have not been detected:\r\n"
    "\r\n    * a video display capable of 640 by 480 with at least 256 colors"
    "\r\n    * a sound card";

class Requirements : public InstalledLauncher {
  protected:
    Requirements() : InstalledLauncher("lowres") {}
    // Presses Play and returns the requirements message, checked to be exactly that.
    HWND PlayAndExpectTheList() {
        ClickButton(dialog, IDOK);
        HWND box = WaitForMessageBox(launcher.id, kWait);
        EXPECT_NE(nullptr, box);
        if (box != NULL) {
            EXPECT_EQ(kMissingDisplayAndSound, MessageBoxText(box));
            EXPECT_EQ("Brindlemoor", WindowText(box));
            EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
            EXPECT_TRUE(IsWindowEnabled(dialog)) << "the box has no owner to disable";
            EXPECT_EQ(nullptr, GetDlgItem(box, IDCANCEL)) << "OK alone";
        }
        return box;
    }
};
} // namespace

TEST_F(Requirements, ListsDisplayAndSoundAndStartsNothing) {
    HWND box = PlayAndExpectTheList();
    ASSERT_NE(nullptr, box);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntilGone(box));
    Settle(1000);
    EXPECT_FALSE(WaitForExit(launcher, 0)) << "the dialog stays open";
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(nullptr, WaitForMessageBox(launcher.id, 500)) << "no disc prompt after the list";
    EXPECT_EQ("", ReadWholeFile(playerLog));

    box = PlayAndExpectTheList(); // tested afresh each time
    ASSERT_NE(nullptr, box);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntilGone(box));
}

TEST_F(Requirements, RegisteredPlayerSkipsTheCheck) {
    const std::string command = RecorderPath() + " -from zorplay";
    ASSERT_TRUE(SetRegistryString(TITLE_KEY, "Zorplay Program", command));
    ClickButton(dialog, IDOK);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(launcher, kWait, &code));
    EXPECT_EQ(0u, code);
    EXPECT_EQ(command + "\r\n", WaitForFileText(recordLog));
}

TEST_F(Requirements, DiscOutAndBackWhileTheListIsOpenKeepsTheDialog) {
    HWND box = PlayAndExpectTheList();
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(EjectDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    ASSERT_TRUE(RestoreDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEARRIVAL);
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitUntilGone(box));
    Settle(1000);
    EXPECT_FALSE(WaitForExit(launcher, 0));
    EXPECT_TRUE(IsWindow(dialog));
}

TEST_F(Requirements, DiscOutWhileTheListIsOpenEndsTheDialogAfterwards) {
    HWND box = PlayAndExpectTheList();
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(EjectDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    Settle();
    EXPECT_TRUE(IsWindow(dialog)) << "not while the command runs";
    ClickButton(box, IDOK);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(launcher, kWait, &code));
    EXPECT_EQ(0u, code);
}
