// The Setup dialog: install folder, space needed and available, Browse.
#pragma once
#include <windows.h>

#include "drive_space.h"
#include "install_plan.h"

// What the dialog is given and gives back, through DialogBoxParamA's parameter.
struct SetupDialogData {
    const InstallFacts *facts;           // in: the data file's size and the names
    char folder[kInstallFolderCapacity]; // out: the install folder chosen
    DriveSpace space;                    // the folder's drive as last asked, for the space test
    bool shield; // in: the Setup button asks for an administrator's rights, and shows the shield
};

// WM_INITDIALOG's lParam is the SetupDialogData. Ends with 1 (Setup) or 0 (Cancel).
INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
