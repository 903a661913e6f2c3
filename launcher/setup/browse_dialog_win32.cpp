// The Custom Install browser: a folder typed or walked through the drive and folder lists.
#include "browse_dialog.h"

#include "../../common/message_box.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../../common/window_placement.h"
#include "../resources/resource_ids.h"
#include "drive_query.h"
#include "install_folder.h"
#include "refused_chars.h"
#include "space_lines.h"
#include "typed_folder.h"

namespace {
const UINT kDriveListing = DDL_DRIVES | DDL_EXCLUSIVE;
const UINT kFolderListing = DDL_DIRECTORY | DDL_EXCLUSIVE; // 32784
const int kTextCapacity = 256;                             // 255 characters read back

void ShowSpaceBox(HWND dialog, uint64_t kb) {
    char digits[24];
    ShowStringBox(dialog, LANG_NO_SPACE_KB, MB_OK | MB_ICONHAND, 'D',
                  FormatDecimal(kb, digits, sizeof digits));
}

// The drive letter of a drives-list entry "[-x-]".
char EntryLetter(HWND list, LRESULT index) {
    char entry[kTextCapacity] = "";
    if (SendMessageA(list, LB_GETTEXTLEN, WPARAM(index), 0) >= kTextCapacity)
        return '\0';
    SendMessageA(list, LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(entry));
    return TextLength(entry) >= 3 ? entry[2] : '\0';
}

void DropCdRomDrives(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_BROWSE_DRIVES);
    for (LRESULT index = SendMessageA(list, LB_GETCOUNT, 0, 0) - 1; index >= 0; --index) {
        char root[4] = {EntryLetter(list, index), ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_CDROM)
            SendMessageA(list, LB_DELETESTRING, WPARAM(index), 0);
    }
}

BOOL InitBrowseDialog(HWND dialog, LPARAM data) {
    SetWindowLongPtrA(dialog, DWLP_USER, data);
    HWND owner = reinterpret_cast<HWND>(GetWindowLongPtrA(dialog, GWLP_HWNDPARENT));
    CenterWindow(dialog, owner != NULL ? owner : GetDesktopWindow());
    SetDlgItemTextFromLang(dialog, IDC_BROWSE_LABEL, LANG_INSTALL_IN);
    SetDlgItemTextFromLang(dialog, IDC_BROWSE_FOLDERS_LABEL, LANG_DIRECTORIES);
    SetDlgItemTextFromLang(dialog, IDC_BROWSE_DRIVES_LABEL, LANG_DRIVES);
    SetDlgItemTextFromLang(dialog, IDOK, LANG_OK);
    SetDlgItemTextFromLang(dialog, IDCANCEL, LANG_CANCEL);
    // Longer texts could not be read back whole.
    SendDlgItemMessageA(dialog, IDC_BROWSE_EDIT, EM_LIMITTEXT, kTextCapacity - 1, 0);
    SetDlgItemTextFromLang(dialog, IDC_BROWSE_EDIT, LANG_DEFAULT_FOLDER);
    char pattern[kTextCapacity] = "c:\\*";
    DlgDirListA(dialog, pattern, IDC_BROWSE_DRIVES, 0, kDriveListing);
    DropCdRomDrives(dialog);
    SetDlgItemTextA(dialog, IDC_BROWSE_PATH, "c:\\");
    char wildcard[kTextCapacity] = "*";
    DlgDirListA(dialog, wildcard, IDC_BROWSE_FOLDERS, IDC_BROWSE_PATH, kFolderListing);
    return TRUE;
}

// Takes refused characters out of the folder box as they arrive, one beep each.
void OnEditUpdate(HWND dialog) {
    HWND edit = GetDlgItem(dialog, IDC_BROWSE_EDIT);
    char text[kTextCapacity] = "";
    GetWindowTextA(edit, text, sizeof text);
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    int selectionStart = int(start), selectionEnd = int(end);
    int removed = RemoveRefusedCharacters(text, &selectionStart, &selectionEnd);
    if (removed == 0)
        return;
    for (int i = 0; i < removed; ++i)
        MessageBeep(0);
    SetWindowTextA(edit, text);
    SendMessageA(edit, EM_SETSEL, WPARAM(selectionStart), LPARAM(selectionEnd));
}

// OK for a text the system parses as a path (nothing is opened) and the install would take; and
// for one Windows would spell another way, so that OK's box says why it is refused.
void OnEditChange(HWND dialog, const BrowseDialogData &data) {
    char text[kTextCapacity] = "";
    GetDlgItemTextA(dialog, IDC_BROWSE_EDIT, text, sizeof text);
    const bool usable = TypedFolderUsable(text, *data.facts);
    // A misspelt folder is taken so that OK can say what is wrong with it.
    const bool misspelt = text[0] != '\0' && CheckFolderSpelling(text) != SpellingWhole;
    EnableWindow(GetDlgItem(dialog, IDOK), usable || misspelt ? TRUE : FALSE);
}

void OnDriveChosen(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_BROWSE_DRIVES);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR)
        return;
    char drive[kTextCapacity] = {EntryLetter(list, index), ':', '\0'};
    SetDlgItemTextA(dialog, IDC_BROWSE_PATH, drive);
    SetDlgItemTextA(dialog, IDC_BROWSE_EDIT, drive);
    AppendText(drive, sizeof drive, "\\*");
    if (!DlgDirListA(dialog, drive, IDC_BROWSE_FOLDERS, IDC_BROWSE_PATH, kFolderListing))
        SendDlgItemMessageA(dialog, IDC_BROWSE_FOLDERS, LB_RESETCONTENT, 0, 0);
}

void OnFolderChosen(HWND dialog) {
    char name[kTextCapacity] = "", path[kTextCapacity] = "";
    if (!DlgDirSelectExA(dialog, name, sizeof name, IDC_BROWSE_FOLDERS) && name[0] == '\0')
        return;
    GetDlgItemTextA(dialog, IDC_BROWSE_PATH, path, sizeof path);
    size_t length = TextLength(path);
    if (length == 0 || path[length - 1] != '\\')
        AppendText(path, sizeof path, "\\");
    if (!AppendWhole(path, sizeof path, name) || TextLength(path) + 1 >= sizeof path)
        return; // too deep to list and read back whole
    path[TextLength(path) - 1] = '\\';
    SetDlgItemTextA(dialog, IDC_BROWSE_PATH, path);
    AppendText(path, sizeof path, "*");
    DlgDirListA(dialog, path, IDC_BROWSE_FOLDERS, IDC_BROWSE_PATH, kFolderListing);
    GetDlgItemTextA(dialog, IDC_BROWSE_PATH, path, sizeof path);
    SetDlgItemTextA(dialog, IDC_BROWSE_EDIT, path);
}

// Tells the user why the folder cannot be taken, in a box with the folder's drive letter for "%c",
// and gives the folder box back to them with its text selected.
void RefuseFolder(HWND dialog, UINT offset, const char *folder) {
    HWND active = GetActiveWindow();
    const char letter[2] = {folder[0], '\0'};
    ShowStringBox(dialog, offset, MB_OK | MB_ICONHAND, 'c', letter);
    SetForegroundWindow(active);
    HWND edit = GetDlgItem(dialog, IDC_BROWSE_EDIT);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

// TRUE, with the folder in its one spelling, when it is spelt as Windows keeps it, its drive
// exists and is a drive of its own, and it has room for the data file of `size` bytes; otherwise
// the user has been told why in a message box.
BOOL ValidateInstallFolder(HWND dialog, const char *folder, uint64_t size, char *canonical,
                           size_t capacity) {
    const FolderCheck check = MakeFolderCanonical(folder, canonical, capacity);
    if (check == FolderNotFull || check == FolderDotOrBlank || check == FolderSubstDrive) {
        RefuseFolder(dialog,
                     check == FolderNotFull      ? LANG_FOLDER_NOT_FULL
                     : check == FolderDotOrBlank ? LANG_FOLDER_DOT_BLANK
                                                 : LANG_FOLDER_SUBST,
                     folder);
        return FALSE;
    }
    char root[4] = {folder[0], ':', '\\', '\0'};
    if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR) {
        RefuseFolder(dialog, LANG_NO_DRIVE, folder);
        return FALSE;
    }
    if (check != FolderCanonical) { // a drive that exists, and still no full path
        RefuseFolder(dialog, LANG_FOLDER_NOT_FULL, folder);
        return FALSE;
    }
    DriveSpace space;
    if (!QueryDriveSpace(root, &space)) {
        HWND active = GetActiveWindow();
        ShowSpaceBox(dialog, BrowserBytesNeeded(size) / 1024);
        SetForegroundWindow(active);
        return FALSE;
    }
    if (BrowserSpaceSuffices(size, space.freeBytes))
        return TRUE;
    ShowSpaceBox(dialog, BrowserShortfallKb(size, space.freeBytes));
    return FALSE;
}

void OnOk(HWND dialog, BrowseDialogData &data) {
    // OK is enabled only for a folder the install would take; a command that reaches us while it
    // is disabled (Enter, a posted click) must not take any other.
    if (!IsWindowEnabled(GetDlgItem(dialog, IDOK)))
        return;
    char folder[kTextCapacity] = "", canonical[kTextCapacity] = "";
    GetDlgItemTextA(dialog, IDC_BROWSE_EDIT, folder, sizeof folder);
    if (!ValidateInstallFolder(dialog, folder, data.facts->sourceBytes, canonical,
                               sizeof canonical))
        return;
    CopyText(data.folder, sizeof data.folder, canonical);
    EndDialog(dialog, 1);
}

void OnBrowseCommand(HWND dialog, BrowseDialogData &data, int id, int notification) {
    switch (id) {
    case IDOK:
        OnOk(dialog, data);
        break;
    case IDCANCEL:
        EndDialog(dialog, 0);
        break;
    case IDC_BROWSE_EDIT:
        if (notification == EN_UPDATE)
            OnEditUpdate(dialog);
        else if (notification == EN_CHANGE)
            OnEditChange(dialog, data);
        break;
    case IDC_BROWSE_DRIVES:
        if (notification == LBN_SELCHANGE)
            OnDriveChosen(dialog);
        break;
    case IDC_BROWSE_FOLDERS:
        if (notification == LBN_SELCHANGE)
            OnFolderChosen(dialog);
        break;
    default:
        break;
    }
}

INT_PTR DispatchBrowseMessage(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    BrowseDialogData *data = reinterpret_cast<BrowseDialogData *>(
        message == WM_INITDIALOG ? lParam : GetWindowLongPtrA(dialog, DWLP_USER));
    if (data == NULL) // messages before WM_INITDIALOG
        return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        return InitBrowseDialog(dialog, lParam);
    case WM_COMMAND:
        OnBrowseCommand(dialog, *data, LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}
} // namespace

INT_PTR CALLBACK BrowseDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    // No system error box for an empty floppy or CD-ROM drive while the lists are filled.
    UINT previous = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    INT_PTR result = DispatchBrowseMessage(dialog, message, wParam, lParam);
    SetErrorMode(previous);
    return result;
}
