// The main window while an install runs: no command can start, and the user sees it. Play, Setup,
// Help and Exit are disabled, the window menu's Close (the close box, Alt+F4) and About are greyed;
// moving, covering and minimising the window stay as they are.
#pragma once
#include <windows.h>

struct InstallLock {
    bool locked;
    BOOL enabled[4]; // Play, Setup, Help, Exit as they were
    HWND focus;      // the control that had the focus
    HCURSOR cursor;  // the cursor that was showing
};

void LockForInstall(HWND dialog, InstallLock *lock);

// Every control back to the state it had, the focus back where it was, the cursor as it was.
void UnlockAfterInstall(HWND dialog, InstallLock *lock);

// The wait cursor, shown for the whole install over the window (WM_SETCURSOR).
void ShowWaitCursor();
