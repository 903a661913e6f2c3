// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#pragma once
#include <windows.h>

#include "../ui/picture_window.h"
#include "install_lock.h"
#include "install_worker.h"
#include "launch_options.h"
#include "main_layout.h"

// The dialog's state, one per dialog: given as DialogBoxParamA's parameter, kept in DWLP_USER.
struct MainDialogState {
    LaunchOptions options;
    BOOL commandBusy; // a Play, Help or Setup command runs: a disc removal meanwhile only sets
                      // discGone
    BOOL discGone;
    BOOL discSeen; // the title's disc has been in a drive during this run: only then can it go
    bool discLooked, discLookPosted; // the drives were asked for it (after the first paint)
    int initialFocus;                // the control the installation state gives the focus
    MainPicture picture;
    InstallWorker install;          // the install's thread while one runs
    InstallLock lock;               // what the window looked like before the install locked it
    StatusBelowPicture statusBelow; // where a failure text goes in the optional-setup layout
    bool statusMoved;               // ...once it has been moved there
};

// WM_INITDIALOG's lParam is the dialog's MainDialogState.
INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
