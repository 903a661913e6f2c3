// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#pragma once
#include <windows.h>

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
