// What the Play, Help and About tests share: an installed title, the recorder double, and
// waiting for files and windows.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/driver.h"

namespace play_session {
const DWORD kWait = 15000;

// Records an installation whose data file exists, so the main dialog offers Play.
bool RecordInstalledTitle();
// Windows path of build/win/RECORDER.EXE.
std::string RecorderPath();
// The file's content once it is not empty (empty after the time-out).
std::string WaitForFileText(const std::string &path, DWORD milliseconds = kWait);
// Waits until the window no longer exists; false on time-out.
bool WaitUntilGone(HWND window, DWORD milliseconds = kWait);
// The stand-in player noted the disc's program as its command line and shows its window. The
// window is waited for too: the player notes its command line before it makes the window, and a
// player whose window appeared only after the test's clean-up would outlive the test and keep the
// test run waiting on it.
void ExpectPlayerStartedFromDisc(const std::string &playerLog);
// A top-level #32770 dialog of the process with this caption, waited for.
HWND WaitForDialog(DWORD processId, const char *caption, DWORD milliseconds = kWait);

// An installed title's launcher started from the disc, with the player and the recorder writing
// their command lines to logs of this test's own (named after `name`).
class InstalledLauncher : public ::testing::Test {
  protected:
    explicit InstalledLauncher(const char *name);
    void SetUp() override;
    void TearDown() override;
    std::string playerLog, recordLog;
    Process launcher;
    HWND dialog = NULL;
};
} // namespace play_session
