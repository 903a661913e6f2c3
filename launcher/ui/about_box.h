// The About box: the launcher's icon, version line and notices.
#pragma once
#include <windows.h>

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Adds the "About ..." entry (command 1) to the main dialog's window menu.
void AddAboutMenuEntry(HWND mainDialog);
