// The install run: copy the data file with progress, record it, register and copy the uninstaller.
#include "install.h"

#include "../../common/file_ops.h"
#include "../../common/command_quoting.h"
#include "../../common/text.h"
#include "../../common/install_record_file.h"
#include "../core/install_state.h"
#include "../../common/string_source.h"
#include "../resources/resource_ids.h"
#include "../syscheck/disc_paths.h"
#include "../syscheck/title_disc.h"
#include "install_files.h"
#include "install_folder.h"
#include "install_paths.h"
#include "uninstall_registration.h"

static char gDataFilePath[260] = "";

const char *InstalledDataFilePath() {
    return gDataFilePath;
}

static void CreateOneFolder(const char *prefix, void *) {
    CreateDirectoryA(prefix, NULL); // drive parts and existing folders fail alike: passed over
}

void CreateFolderPath() {
    ForEachFolderPrefix(InstallFolder(), CreateOneFolder, nullptr);
}

BOOL CopyDataFile(HWND window, const TitleLocation &title) {
    char stored[260], source[MAX_PATH], fileName[260];
    LoadFixedString(IDS_DISC_DATA, stored, sizeof stored);
    ResolveDiscPath(stored, title, source, sizeof source);
    LoadFixedString(IDS_DATA_FILE, fileName, sizeof fileName);
    bool named = BuildDataFilePath(InstallFolder(), fileName, gDataFilePath, sizeof gDataFilePath);
    // A missing source or an unusable path ends the copy before anything is created.
    if (named && OpenSourceFile(source, &InstallSource()))
        CreateFolderPath();
    else
        CloseSourceFile(&InstallSource());
    return TransferSource(gDataFilePath, window);
}

BOOL WriteInstallRecord() {
    char iniFile[20], section[260];
    LoadFixedString(IDS_INI_FILE, iniFile, sizeof iniFile);
    LoadLangString(LANG_TITLE, section, sizeof section);
    return WritePrivateProfileStringA(section, "Install", gDataFilePath, iniFile);
}

// True when BRINDMOR.INI already names this data file (an earlier installation into the folder).
static bool RecordNamesDataFile() {
    InstallRecordPlace place;
    char recorded[kRecordValueCapacity];
    return TitleRecordPlace(&place) &&
           ReadInstallRecord(place, recorded, sizeof recorded) == RecordFound &&
           lstrcmpiA(recorded, gDataFilePath) == 0;
}

// Copies the uninstaller beside the data file and registers it, in that order, so the entry
// never names a program that is not there.
static void InstallUninstaller(const TitleLocation &title) {
    char displayName[260], fileName[260], installed[260], source[260];
    LoadLangString(LANG_TITLE, displayName, sizeof displayName);
    LoadFixedString(IDS_UNINSTALLER, fileName, sizeof fileName);
    if (!BuildUninstallerPath(InstallFolder(), fileName, installed, sizeof installed))
        return;
    ResolveDiscFile(fileName, title, source, sizeof source);
    BOOL copied = CopyFileA(source, installed, FALSE);
    ClearReadOnly(installed); // a copy from a CD-ROM arrives read-only
    // Windows runs the command as it stands: a path with a blank must not be split.
    char command[MAX_PATH + 2] = "";
    if (copied && AppendPathArgument(command, sizeof command, installed))
        RegisterUninstall(displayName, command);
}

static void ShowStatus(HWND mainDialog, UINT offset) {
    SetDlgItemTextFromLang(mainDialog, IDC_STATUS, offset);
}

// The failure must be seen also where the main dialog hid its empty status line.
static void ShowFailure(HWND mainDialog) {
    ShowStatus(mainDialog, LANG_INSTALL_FAILED); // Play keeps the state it had
    ShowWindow(GetDlgItem(mainDialog, IDC_STATUS), SW_SHOW);
}

void RunInstall(HWND mainDialog) {
    const TitleLocation title = LocateTitle(mainDialog);
    if (title.drive == kTitleNotFound)
        return;
    ShowStatus(mainDialog, LANG_COPYING);
    InvalidateRect(mainDialog, NULL, FALSE);
    UpdateWindow(mainDialog);
    if (!CopyDataFile(mainDialog, title)) {
        ShowFailure(mainDialog);
        return;
    }
    if (!WriteInstallRecord()) {
        // Without its record nothing would ever find the copied file again.
        if (!RecordNamesDataFile())
            DeleteFileA(gDataFilePath);
        ShowFailure(mainDialog);
        return;
    }
    InstallUninstaller(title);
    ShowStatus(mainDialog, LANG_READY);
    HWND play = GetDlgItem(mainDialog, IDC_PLAY);
    EnableWindow(play, TRUE);
    SetFocus(play);
}
