// Starting the built launcher from the simulated title disc and reading its picture off the screen.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/driver.h"

// Starts E:\RBRINDMOR.EXE in E:\ and waits for its main window; NULL when it did not appear.
HWND StartLauncherFromDisc(Process *process);

// The screen pixels of the picture area once they have settled: width x height at the client
// origin plus (x, y). For a picture at rest.
std::vector<unsigned> PictureOnScreen(HWND dialog, int width, int height, int x = 0, int y = 0);
// The same area as it is on the screen right now, for watching a picture that keeps changing.
std::vector<unsigned> PictureOnScreenNow(HWND dialog, int width, int height);

// Saves the dialog's whole window as a BMP under the screenshot folder; false when it could not.
bool SaveWindowShot(HWND dialog, const std::string &name);

// Sends WM_DEVICECHANGE to every application the way the system announces a volume change.
void BroadcastVolumeEvent(WPARAM event, DWORD deviceType = 2 /* DBT_DEVTYP_VOLUME */);
