// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#pragma once
#include <windows.h>

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// TRUE when the event is the completed removal of a volume and no drive holds the title's disc.
BOOL DiscRemoved(HINSTANCE instance, WPARAM event, LPARAM eventData);
