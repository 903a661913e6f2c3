// The uninstaller's rights on the machine: which steps of a removal its token would be refused,
// and its elevated copy.
#include <windows.h>

#include <shellapi.h>

#include "../common/install_record.h"
#include "../common/uninstall_key.h"
#include "elevation.h"

namespace {
// True when opening the path for deletion is refused for want of rights. A missing file, or one
// another program holds (a sharing violation), is not a question of rights.
bool DeleteRefused(const char *path, bool folder) {
    if (path[0] == '\0')
        return false;
    HANDLE handle =
        CreateFileA(path, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                    OPEN_EXISTING, folder ? FILE_FLAG_BACKUP_SEMANTICS : 0, NULL);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

// The record's section is removed by writing the file (and deleting it when it empties).
bool WriteRefused(const char *path) {
    HANDLE handle = CreateFileA(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                                OPEN_EXISTING, 0, NULL);
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        return false;
    }
    return GetLastError() == ERROR_ACCESS_DENIED;
}

bool EntryDeleteRefused(const char *keyName) {
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return false;
    HKEY key = NULL;
    const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, DELETE, &key);
    if (result == ERROR_SUCCESS)
        RegCloseKey(key);
    return result == ERROR_ACCESS_DENIED;
}

typedef BOOL(WINAPI *ShellExecuteExFunction)(SHELLEXECUTEINFOA *);
} // namespace

void GatherRemovalRightsFacts(const RemovalPlan &plan, bool elevatedRun,
                              RemovalRightsFacts *facts) {
    *facts = RemovalRightsFacts{};
    GatherRightsFacts(&facts->system);
    facts->elevatedRun = elevatedRun;
    if (!facts->system.ntFamily)
        return; // no rights on the 9x family
    facts->recordDenied =
        PlanHas(plan, RemovalStepKind::Record) && WriteRefused(plan.recordPlace.file);
    facts->entryDenied = PlanHas(plan, RemovalStepKind::Entry) && EntryDeleteRefused(plan.entryKey);
    facts->dataFileDenied =
        PlanHas(plan, RemovalStepKind::DataFile) && DeleteRefused(plan.dataFile, false);
    if (PlanHas(plan, RemovalStepKind::InstalledUninstaller)) {
        facts->uninstallerDenied = DeleteRefused(plan.installedUninstaller, false);
        facts->folderDenied = DeleteRefused(plan.installFolder, true);
    } else if (PlanHas(plan, RemovalStepKind::SelfDelete)) {
        facts->uninstallerDenied = DeleteRefused(plan.ownPath, false);
        facts->folderDenied = DeleteRefused(plan.ownFolder, true);
    }
}

bool RunElevatedCopy(const char *ownPath) {
    // Through the shell's library, loaded only here: the elevation prompt exists from Vista on.
    HMODULE shell = LoadLibraryA("shell32.dll");
    ShellExecuteExFunction execute =
        shell != NULL ? reinterpret_cast<ShellExecuteExFunction>(
                            reinterpret_cast<void *>(GetProcAddress(shell, "ShellExecuteExA")))
                      : NULL;
    bool started = false;
    if (execute != NULL) {
        SHELLEXECUTEINFOA run = {};
        run.cbSize = sizeof run;
        run.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
        run.lpVerb = "runas";
        run.lpFile = ownPath;
        run.lpParameters = ELEVATED_SWITCH;
        run.nShow = SW_SHOWNORMAL;
        started = execute(&run) != FALSE;
        // Windows' list of programs waits for the uninstaller it started: so do we, for the copy.
        if (started && run.hProcess != NULL) {
            WaitForSingleObject(run.hProcess, INFINITE);
            CloseHandle(run.hProcess);
        }
    }
    if (shell != NULL)
        FreeLibrary(shell);
    return started;
}
