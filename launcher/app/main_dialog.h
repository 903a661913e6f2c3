// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#pragma once
#include <windows.h>

#include "../ui/picture_window.h"

// The dialog's state, one per dialog: given as DialogBoxParamA's parameter, kept in DWLP_USER.
struct MainDialogState {
    BOOL commandBusy; // a Play or Help command runs: a disc removal meanwhile only sets discGone
    BOOL discGone;
    BOOL discSeen; // the title's disc has been in a drive during this run: only then can it go
    MainPicture picture;
};

// WM_INITDIALOG's lParam is the dialog's MainDialogState.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
