// The launcher's main dialog: picture, status line, Play, Setup, Help and Exit.
#include "main_dialog.h"

#include "../resources/resource_ids.h"
#include "strings.h"

static BOOL OnInitDialog(HWND dialog) {
    SetWindowTextFromLang(dialog, LANG_TITLE);
    return TRUE;
}

static void OnCommand(HWND dialog, int id) {
    if (id == IDC_EXIT)
        EndDialog(dialog, 0);
}

INT_PTR CALLBACK MainDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_COMMAND:
        OnCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
