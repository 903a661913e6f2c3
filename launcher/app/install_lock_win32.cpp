// The main window while an install runs: no command can start, and the user sees it.
#include "install_lock.h"

#include "../resources/resource_ids.h"

namespace {
const int kButtons[4] = {IDC_PLAY, IDC_SETUP, IDC_HELP_BUTTON, IDC_EXIT};

void GreyWindowMenu(HWND dialog, bool grey) {
    HMENU menu = GetSystemMenu(dialog, FALSE);
    if (menu == NULL)
        return;
    const UINT state = MF_BYCOMMAND | (grey ? MF_GRAYED : MF_ENABLED);
    EnableMenuItem(menu, SC_CLOSE, state); // also the close box and Alt+F4
    EnableMenuItem(menu, IDM_ABOUT, state);
    RedrawWindow(dialog, NULL, NULL, RDW_FRAME | RDW_INVALIDATE); // the close box as it now is
}
} // namespace

void ShowWaitCursor() {
    SetCursor(LoadCursorA(NULL, MAKEINTRESOURCEA(32514))); // IDC_WAIT
}

void LockForInstall(HWND dialog, InstallLock *lock) {
    lock->focus = GetFocus();
    for (int i = 0; i < 4; ++i) {
        HWND button = GetDlgItem(dialog, kButtons[i]);
        lock->enabled[i] = button != NULL && IsWindowEnabled(button);
        if (button != NULL)
            EnableWindow(button, FALSE);
    }
    GreyWindowMenu(dialog, true);
    lock->cursor = GetCursor();
    ShowWaitCursor();
    lock->locked = true;
}

void UnlockAfterInstall(HWND dialog, InstallLock *lock) {
    if (!lock->locked)
        return;
    for (int i = 0; i < 4; ++i)
        if (HWND button = GetDlgItem(dialog, kButtons[i]))
            EnableWindow(button, lock->enabled[i]);
    GreyWindowMenu(dialog, false);
    if (lock->focus != NULL && IsWindowEnabled(lock->focus))
        SetFocus(lock->focus);
    SetCursor(lock->cursor);
    lock->locked = false;
}
