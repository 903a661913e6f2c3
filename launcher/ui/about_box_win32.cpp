// The About box: the launcher's icon, version line and notices.
#include "about_box.h"

#include "../../common/process.h"
#include "../../common/window_placement.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../resources/resource_ids.h"
#include "file_version.h"

static void InitAboutDialog(HWND dialog) {
    SetWindowTextFromLang(dialog, LANG_ABOUT_CAPTION);
    CenterWindow(dialog, GetDesktopWindow());
    SetDlgItemTextFromLang(dialog, IDC_ABOUT_NOTICE, LANG_NOTICE);
    SetDlgItemTextFromLang(dialog, IDC_ABOUT_BLANK, LANG_BLANK_LINE);
    SetDlgItemTextFromLang(dialog, IDC_ABOUT_ENGINE, LANG_ENGINE_NOTICE);

    char line[MAX_PATH];
    ModulePath(InstanceOf(dialog), line, sizeof line);
    char version[64]; // room for any version text a person would write
    GetFileVersionText(line, version, sizeof version);
    LoadLangString(LANG_VERSION_LINE, line, sizeof line);
    SubstitutePlaceholder(line, sizeof line, version, 'T');
    SetDlgItemTextA(dialog, IDC_ABOUT_VERSION, line);

    SetDlgItemTextFromLang(dialog, IDOK, LANG_OK);
}

static void OnAboutCommand(HWND dialog, int id) {
    if (id == IDOK)
        EndDialog(dialog, 1);
    else if (id == IDCANCEL)
        EndDialog(dialog, 0);
}

INT_PTR CALLBACK AboutDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        InitAboutDialog(dialog);
        return TRUE;
    case WM_COMMAND:
        OnAboutCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void AddAboutMenuEntry(HWND mainDialog) {
    HMENU menu = GetSystemMenu(mainDialog, FALSE);
    if (menu == NULL)
        return;
    char text[256];
    LoadLangString(LANG_ABOUT_MENU, text, sizeof text);
    if (text[0] == '\0')
        return; // an entry without a name would be a blank line in the menu
    AppendMenuA(menu, MF_SEPARATOR, 0, NULL);
    AppendMenuA(menu, MF_STRING, IDM_ABOUT, text);
}
