// What the Play, Help and About tests share: an installed title, the recorder double, and
// waiting for files and windows.
#pragma once
#include <windows.h>

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
// A top-level #32770 dialog of the process with this caption, waited for.
HWND WaitForDialog(DWORD processId, const char *caption, DWORD milliseconds = kWait);
} // namespace play_session
