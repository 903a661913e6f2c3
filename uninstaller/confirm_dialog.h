// The confirmation dialog (101): Yes ends it with 1, everything else with 2.
#pragma once
#include <windows.h>

INT_PTR CALLBACK ConfirmDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
