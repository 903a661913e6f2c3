// The Custom Install browser: a folder typed or walked through the drive and folder lists.
#pragma once
#include <windows.h>

INT_PTR CALLBACK BrowseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// TRUE when the folder's drive exists and has room for the data file; otherwise the user has
// been told why in a message box.
BOOL ValidateInstallFolder(HWND dialog, const char *folder);
