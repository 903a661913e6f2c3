// The Custom Install browser: a folder typed or walked through the drive and folder lists.
#pragma once
#include <windows.h>

#include "install_plan.h"

// What the browser is given and gives back, through DialogBoxParamA's parameter.
struct BrowseDialogData {
    const InstallFacts *facts;           // in: the data file's size and the names a folder needs
    char folder[kInstallFolderCapacity]; // out, on OK: the folder chosen
};

// WM_INITDIALOG's lParam is the BrowseDialogData. Ends with 1 (OK) or 0 (Cancel).
INT_PTR CALLBACK BrowseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
