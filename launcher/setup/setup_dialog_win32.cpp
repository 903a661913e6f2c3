// The Setup dialog: install folder, space needed and available, Browse.
#include "setup_dialog.h"

#include "../../common/text.h"
#include "../../common/window_placement.h"
#include "../../common/string_source.h"
#include "../resources/resource_ids.h"
#include "../syscheck/disc_paths.h"
#include "../syscheck/title_disc.h"
#include "browse_dialog.h"
#include "drive_query.h"
#include "install_files.h"
#include "install_folder.h"
#include "space_lines.h"

// The install folder's drive, as last asked.
static DriveSpace gDriveSpace = {};

void ShowSpaceAvailable(HWND dialog, const char *folder, DriveSpace *space) {
    char root[4];
    DriveRootOf(folder, root, sizeof root);
    QueryDriveSpace(root, space); // a failed query leaves zeros: 0 KB, and Setup disabled
    char label[256], line[256];
    LoadLangString(LANG_SPACE_AVAILABLE, label, sizeof label);
    BuildSpaceLine(label, folder, AvailableKb(*space), line, sizeof line);
    SetDlgItemTextA(dialog, IDC_SETUP_AVAILABLE, line);
}

void ShowSpaceNeeded(HWND dialog, uint64_t sourceBytes) {
    char label[256], line[256];
    LoadLangString(LANG_SPACE_NEEDED, label, sizeof label);
    BuildSpaceLine(label, InstallFolder(), NeededKb(sourceBytes), line, sizeof line);
    bool fits = SetupSpaceSuffices(sourceBytes, gDriveSpace);
    if (!fits) {
        char warning[256];
        LoadLangString(LANG_SPACE_SHORT, warning, sizeof warning);
        AppendText(line, sizeof line, warning);
    }
    EnableWindow(GetDlgItem(dialog, IDC_SETUP_START), fits ? TRUE : FALSE);
    SetDlgItemTextA(dialog, IDC_SETUP_NEEDED, line);
}

// Takes the data file's size from the disc, or from the title root when no drive holds it.
static void SizeDataFile() {
    char stored[260], source[MAX_PATH];
    LoadFixedString(IDS_DISC_DATA, stored, sizeof stored);
    ResolveDiscPath(stored, LookForTitle(), source, sizeof source);
    SourceReader &reader = InstallSource();
    // A missing file leaves the size 0; one too large for the copy keeps its true size here.
    InstallSourceBytes() = OpenSourceFile(source, &reader) ? reader.size : FileBytes(source);
    CloseSourceFile(&reader);
}

static BOOL InitSetupDialog(HWND dialog) {
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT1, LANG_SETUP_TEXT1);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT2, LANG_SETUP_TEXT2);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_TEXT3, LANG_SETUP_TEXT3);
    SetDlgItemTextFromLang(dialog, IDC_SETUP_FOLDER, LANG_DEFAULT_FOLDER);
    char folder[kInstallFolderCapacity];
    GetDlgItemTextA(dialog, IDC_SETUP_FOLDER, folder, sizeof folder);
    SetInstallFolder(folder);
    ShowSpaceAvailable(dialog, InstallFolder(), &gDriveSpace);
    SizeDataFile();
    ShowSpaceNeeded(dialog, InstallSourceBytes());
    CenterWindow(dialog, GetDesktopWindow());
    return TRUE;
}

static void OnBrowse(HWND dialog) {
    ShowWindow(dialog, SW_HIDE);
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_BROWSE), dialog, BrowseDlgProc, 0) == 1) {
        SetDlgItemTextA(dialog, IDC_SETUP_FOLDER, InstallFolder());
        ShowSpaceAvailable(dialog, InstallFolder(), &gDriveSpace);
        ShowSpaceNeeded(dialog, InstallSourceBytes());
    }
    ShowWindow(dialog, SW_SHOW);
}

static void OnSetupCommand(HWND dialog, int id) {
    switch (id) {
    case IDC_SETUP_START: // also Enter: only while the space test passes
        if (IsWindowEnabled(GetDlgItem(dialog, IDC_SETUP_START)))
            EndDialog(dialog, 1);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_SETUP_BROWSE:
        OnBrowse(dialog);
        break;
    default:
        break;
    }
}

INT_PTR CALLBACK SetupDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return InitSetupDialog(dialog);
    case WM_COMMAND:
        OnSetupCommand(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
