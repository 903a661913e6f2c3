// The Setup dialog: install folder, space needed and available, Browse.
#pragma once
#include <windows.h>

#include "chunked_copy.h"
#include "drive_space.h"

INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Rebuilds the space-available line (1014) for the folder's drive, filling space.
void ShowSpaceAvailable(HWND dialog, const char *folder, DriveSpace *space);
// Rebuilds the space-needed line (1015) and enables Setup (1) only when the data file fits.
void ShowSpaceNeeded(HWND dialog, uint64_t sourceBytes);
