// The confirmation dialog (101): Yes ends it with 1, everything else with 2.
#include "confirm_dialog.h"

#include "../common/window_placement.h"
#include "resources/uninstaller_ids.h"
#include "uninstaller_strings.h"

namespace {

HINSTANCE InstanceOf(HWND window) {
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

BOOL OnInitDialog(HWND dialog) {
    unsigned base = UninstallLanguageBase();
    CenterWindow(dialog, GetDesktopWindow());
    SetWindowTextId(dialog, IDS_LANG_TITLE, base);
    SetDlgItemTextId(dialog, IDC_CONFIRM_TEXT, IDS_LANG_QUESTION, base);
    SetDlgItemTextId(dialog, IDC_CONFIRM_YES, IDS_LANG_YES, base);
    SetDlgItemTextId(dialog, IDC_CONFIRM_CANCEL, IDS_LANG_CANCEL, base);
    // Cancel is the default and has the focus, so Enter does not remove anything.
    SetFocus(GetDlgItem(dialog, IDC_CONFIRM_CANCEL));
    return FALSE;
}

BOOL OnCommand(HWND dialog, int id) {
    if (id == IDOK || id == IDCANCEL)
        EndDialog(dialog, 2);
    else if (id == IDC_CONFIRM_YES)
        EndDialog(dialog, 1);
    return TRUE;
}

} // namespace

void SetDlgItemTextId(HWND dialog, int controlId, UINT offset, unsigned base) {
    char text[256];
    LoadUninstallString(InstanceOf(dialog), base + offset, text, sizeof text);
    SetDlgItemTextA(dialog, controlId, text);
}

void SetWindowTextId(HWND window, UINT offset, unsigned base) {
    char text[256];
    LoadUninstallString(InstanceOf(window), base + offset, text, sizeof text);
    SetWindowTextA(window, text);
}

INT_PTR CALLBACK ConfirmDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        return OnCommand(dialog, LOWORD(wParam));
    default:
        return FALSE;
    }
}
