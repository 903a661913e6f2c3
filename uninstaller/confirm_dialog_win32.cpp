// The confirmation dialog (101): Yes ends it with 1, everything else with 2.
#include "confirm_dialog.h"

#include "../common/string_source.h"
#include "../common/window_placement.h"
#include "resources/uninstaller_ids.h"

namespace {

BOOL OnInitDialog(HWND dialog) {
    CenterWindow(dialog, GetDesktopWindow());
    SetWindowTextFromLang(dialog, IDS_LANG_TITLE);
    SetDlgItemTextFromLang(dialog, IDC_CONFIRM_TEXT, IDS_LANG_QUESTION);
    SetDlgItemTextFromLang(dialog, IDC_CONFIRM_YES, IDS_LANG_YES);
    SetDlgItemTextFromLang(dialog, IDC_CONFIRM_CANCEL, IDS_LANG_CANCEL);
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
