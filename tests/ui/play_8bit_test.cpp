// Play on the title's minimum machine, 640x480 with 256 colours: the check passes and the player
// starts from the disc.
#include <gtest/gtest.h>

#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using namespace play_session;

TEST(PlayOnTheMinimumMachine, NoListAndThePlayerStarts) {
    ResetTitleState();
    ASSERT_TRUE(RecordInstalledTitle());
    const std::string playerLog = "C:\\player-8bit.log";
    DeleteFileA(playerLog.c_str());
    SetEnvironmentVariableA("BRINDLE_PLAYER_LOG", playerLog.c_str());
    HDC screen = GetDC(NULL);
    EXPECT_EQ(8, GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES));
    ReleaseDC(NULL, screen);

    Process launcher;
    HWND dialog = StartLauncherFromDisc(&launcher);
    ASSERT_NE(nullptr, dialog);
    ClickButton(dialog, IDOK);
    DWORD code = 99;
    EXPECT_TRUE(WaitForExit(launcher, kWait, &code)) << "a requirements list is open";
    EXPECT_EQ(0u, code);
    ExpectPlayerStartedFromDisc(playerLog);
    EndProcess(launcher);
    ResetTitleState();
}
