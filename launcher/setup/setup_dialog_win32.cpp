// The Setup dialog: install folder, space needed and available, Browse.
#include "setup_dialog.h"

#include "../../common/lang_dialog.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../../common/window_placement.h"
#include "../resources/resource_ids.h"
#include "browse_dialog.h"
#include "chunked_copy.h"
#include "drive_query.h"
#include "shield_button.h"
#include "space_lines.h"

namespace {

SetupDialogData *DataOf(HWND dialog) {
    return reinterpret_cast<SetupDialogData *>(GetWindowLongPtrA(dialog, DWLP_USER));
}

// Rebuilds the space-available line (1014) for the folder's drive, asking it for its space.
void ShowSpaceAvailable(HWND dialog, SetupDialogData &data) {
    char root[4];
    DriveRootOf(data.folder, root, sizeof root);
    QueryDriveSpace(root, &data.space); // a failed query leaves zeros: 0 KB, and Setup disabled
    char label[256], line[256];
    LoadLangString(LANG_SPACE_AVAILABLE, label, sizeof label);
    BuildSpaceLine(label, data.folder, AvailableKb(data.space), line, sizeof line);
    SetDlgItemTextA(dialog, IDC_SETUP_AVAILABLE, line);
}

// Rebuilds the space-needed line (1015) and enables Setup (1) only when the data file can be
// copied and fits; otherwise the line ends with the reason.
void ShowSpaceNeeded(HWND dialog, const SetupDialogData &data) {
    const uint64_t sourceBytes = data.facts->sourceBytes;
    char label[256], line[256];
    LoadLangString(LANG_SPACE_NEEDED, label, sizeof label);
    BuildSpaceLine(label, data.folder, NeededKb(sourceBytes), line, sizeof line);
    // A file the copy cannot carry is refused also on a drive with room for it.
    UINT reason = 0;
    if (!SetupSpaceSuffices(sourceBytes, data.space))
        reason = LANG_SPACE_SHORT;
    else if (sourceBytes > kLargestCopy)
        reason = LANG_DATA_TOO_LARGE;
    if (reason != 0) {
        char warning[256];
        LoadLangString(reason, warning, sizeof warning);
        AppendText(line, sizeof line, warning);
    }
    EnableWindow(GetDlgItem(dialog, IDC_SETUP_START), reason == 0 ? TRUE : FALSE);
    SetDlgItemTextA(dialog, IDC_SETUP_NEEDED, line);
}

BOOL InitSetupDialog(HWND dialog, LPARAM parameter) {
    SetWindowLongPtrA(dialog, DWLP_USER, parameter);
    SetupDialogData &data = *reinterpret_cast<SetupDialogData *>(parameter);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT1, LANG_SETUP_TEXT1);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT2, LANG_SETUP_TEXT2);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT3, LANG_SETUP_TEXT3);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_FOLDER, LANG_DEFAULT_FOLDER);
    GetDlgItemTextA(dialog, IDC_SETUP_FOLDER, data.folder, sizeof data.folder);
    ShowSpaceAvailable(dialog, data);
    ShowSpaceNeeded(dialog, data);
    if (data.shield)
        ShowShield(GetDlgItem(dialog, IDC_SETUP_START));
    CenterWindow(dialog, GetDesktopWindow());
    return TRUE;
}

void OnBrowse(HWND dialog, SetupDialogData &data) {
    ShowWindow(dialog, SW_HIDE);
    BrowseDialogData browse = {data.facts, ""};
    if (RunLangDialog(InstanceOf(dialog), IDD_BROWSE, dialog, BrowseDlgProc,
                      reinterpret_cast<LPARAM>(&browse)) == 1) {
        CopyText(data.folder, sizeof data.folder, browse.folder);
        SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, data.folder);
        ShowSpaceAvailable(dialog, data);
        ShowSpaceNeeded(dialog, data);
    }
    ShowWindow(dialog, SW_SHOW);
}

void OnSetupCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_SETUP_START: // also Enter: only while the space test passes
        if (IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_START)))
            EndDialog(dialog, 1);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_SETUP_BROWSE:
        if (SetupDialogData *data = DataOf(dialog))
            OnBrowse(dialog, *data);
        break;
    default:
        break;
    }
}

} // namespace

INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return InitSetupDialog(dialog, lParam);
    case WM_COMMAND:
        OnSetupCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
