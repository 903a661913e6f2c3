// Play on a machine that meets the requirements: the player from the disc, the registered
// player, the insert-disc prompt, and the disc taken out while Play waits on a message box.
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
const char kInsertDisc[] = "The \"Brindlemoor\" CD-ROM was not found in the CD-ROM drive. Please "
                           "insert it in a CD-ROM drive and press Retry.";

class Play : public InstalledLauncher {
  protected:
    Play() : InstalledLauncher("play") {}
    // The insert-disc prompt of the launcher, checked to be exactly that.
    HWND ExpectInsertDiscPrompt() {
        HWND box = WaitForMessageBox(launcher.id, kWait);
        EXPECT_NE(nullptr, box);
        if (box != NULL) {
            EXPECT_EQ(kInsertDisc, MessageBoxText(box));
            EXPECT_EQ("Brindlemoor", WindowText(box));
            EXPECT_EQ(dialog, GetWindow(box, GW_OWNER));
        }
        return box;
    }
    // The launcher ended by itself with this code.
    void ExpectLauncherEnds(DWORD expected) {
        DWORD code = 99;
        ASSERT_TRUE(WaitForExit(launcher, kWait, &code)) << "the launcher is still open";
        EXPECT_EQ(expected, code);
    }
    void ExpectLauncherStaysOpen() {
        Settle(1000);
        EXPECT_FALSE(WaitForExit(launcher, 0));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_TRUE(IsWindowEnabled(dialog));
    }
    void ExpectPlayerStartedFromDisc() { play_session::ExpectPlayerStartedFromDisc(playerLog); }
};
} // namespace

TEST_F(Play, StartsThePlayerFromTheDiscAndEnds) {
    ClickButton(dialog, IDOK);
    ExpectLauncherEnds(0);
    ExpectPlayerStartedFromDisc();
}

TEST_F(Play, RegisteredPlayerIsStartedWholeWithoutSearchingTheDisc) {
    const std::string command = RecorderPath() + " -from zorplay";
    ASSERT_TRUE(SetRegistryString(TITLE_KEY, "Zorplay Program", command));
    ASSERT_TRUE(EjectDiscDrive()); // a disc search would now prompt
    ClickButton(dialog, IDOK);
    ExpectLauncherEnds(0);
    EXPECT_EQ(command + "\r\n", WaitForFileText(recordLog));
    EXPECT_EQ("", ReadWholeFile(playerLog));
}

TEST_F(Play, RegisteredLauncherItselfIsPassedOver) {
    ASSERT_TRUE(SetRegistryString(TITLE_KEY, "Zorplay Program", "E:\\RBRINDMOR.EXE"));
    ClickButton(dialog, IDOK);
    ExpectLauncherEnds(0);
    ExpectPlayerStartedFromDisc();
}

TEST_F(Play, MissingDiscPromptCancelThenRetry) {
    ASSERT_TRUE(EjectDiscDrive());
    ClickButton(dialog, IDOK);
    HWND box = ExpectInsertDiscPrompt();
    ASSERT_NE(nullptr, box);
    ClickButton(box, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(box));
    ExpectLauncherStaysOpen();
    EXPECT_EQ("", ReadWholeFile(playerLog));

    ClickButton(dialog, IDOK);
    box = ExpectInsertDiscPrompt();
    ASSERT_NE(nullptr, box);
    ClickButton(box, IDRETRY); // still no disc: asked again
    ASSERT_TRUE(WaitUntilGone(box));
    box = ExpectInsertDiscPrompt();
    ASSERT_NE(nullptr, box);
    ASSERT_TRUE(RestoreDiscDrive());
    ClickButton(box, IDRETRY);
    ExpectLauncherEnds(0);
    ExpectPlayerStartedFromDisc();
}

TEST_F(Play, DiscOutAndBackDuringThePromptKeepsTheDialog) {
    ASSERT_TRUE(EjectDiscDrive());
    ClickButton(dialog, IDOK);
    HWND box = ExpectInsertDiscPrompt();
    ASSERT_NE(nullptr, box);
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    Settle();
    EXPECT_TRUE(IsWindow(dialog)) << "a removal during Play must wait for the command";
    ASSERT_TRUE(RestoreDiscDrive());
    BroadcastVolumeEvent(DBT_DEVICEARRIVAL);
    ClickButton(box, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(box));
    ExpectLauncherStaysOpen();
    EXPECT_EQ("", ReadWholeFile(playerLog));
}

TEST_F(Play, DiscOutDuringThePromptEndsTheDialogAfterPlay) {
    ASSERT_TRUE(EjectDiscDrive());
    ClickButton(dialog, IDOK);
    HWND box = ExpectInsertDiscPrompt();
    ASSERT_NE(nullptr, box);
    BroadcastVolumeEvent(DBT_DEVICEREMOVECOMPLETE);
    Settle();
    EXPECT_TRUE(IsWindow(box)) << "the prompt stays until it is answered";
    EXPECT_TRUE(IsWindow(dialog));
    ClickButton(box, IDCANCEL);
    ExpectLauncherEnds(0);
    EXPECT_EQ("", ReadWholeFile(playerLog));
}
