// The removal itself: the title's Program Manager entries, files, uninstall key and INI record.
#include "removal.h"

#include "../common/read_only.h"
#include "../common/text.h"
#include "../common/uninstall_key.h"
#include "paths.h"
#include "progman_client.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"
#include "uninstaller_strings.h"

InstalledFiles installedFiles = {"",
                                 "",
                                 {{"", HFILE_ERROR, FALSE},
                                  {"", HFILE_ERROR, FALSE},
                                  {"", HFILE_ERROR, FALSE},
                                  {"", HFILE_ERROR, FALSE}},
                                 FALSE};

namespace {

const UINT kComponentIds[kComponentCount] = {IDS_COMPONENT_PLAYER, IDS_COMPONENT_HELP,
                                             IDS_COMPONENT_ENGINE, IDS_COMPONENT_UNINSTALLER};

// Opens a file for reading and writing with no sharing, which locks it against other programs
// until it is closed. Not OpenFile: its 128-character record refuses the paths of deep install
// folders, which would leave their files behind.
HFILE OpenExclusive(const char *path) {
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, NULL);
    return file == INVALID_HANDLE_VALUE ? HFILE_ERROR : HFILE(reinterpret_cast<INT_PTR>(file));
}

bool FileExists(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The Windows directory's initialisation file and the title's section in it.
bool IniFileAndSection(HINSTANCE instance, char *file, int fileCapacity, char *section,
                       int sectionCapacity) {
    char windows[256];
    UINT length = GetWindowsDirectoryA(windows, sizeof windows);
    if (length == 0 || length >= sizeof windows)
        return false;
    char name[20];
    LoadUninstallString(instance, IDS_INI_FILE, name, sizeof name);
    LoadUninstallLangString(instance, IDS_LANG_TITLE, section, sectionCapacity);
    return name[0] != '\0' && section[0] != '\0' &&
           JoinPath(windows, name, file, size_t(fileCapacity));
}

void RemoveProgmanEntries(BOOL mayDeleteGroup) {
    const RemovalNames &names = removalNames;
    ProgmanDeleteItem(names.group, names.title);
    ProgmanDeleteItem(names.group, names.helpItem);
    BOOL lastDeleted = ProgmanDeleteItem(names.group, names.uninstallItem);
    // The counts were read before the deletions; only an empty group now is the title's alone.
    if (mayDeleteGroup && lastDeleted && ProgmanGroupIsEmpty(names.group))
        ProgmanDeleteGroup(names.group);
}

// The data file goes only when the record names the title's own data file. FALSE when that file
// is still there afterwards (held open by another program, say): its record must then stay, or
// nothing could ever find and remove the file again.
bool RemoveDataFile(HINSTANCE instance, const char *path) {
    char dataFileName[32];
    LoadUninstallString(instance, IDS_DATA_FILE, dataFileName, sizeof dataFileName);
    if (!NamesTitleDataFile(path, dataFileName))
        return true;
    BOOL wasReadOnly = ClearReadOnly(path);
    CloseAndDelete(path, OpenExclusive(path));
    if (!FileExists(path))
        return true;
    if (wasReadOnly)
        SetReadOnly(path);
    return false;
}

void PrepareSelfDelete(HINSTANCE instance, SelfDeleteFiles *selfDelete) {
    selfDelete->ready = FALSE;
    HFILE batch = CreateTempBatch(selfDelete->batch, selfDelete->pif);
    if (batch == HFILE_ERROR)
        return;
    ClearReadOnly(installedFiles.components[kComponentCount - 1].path);
    if (!WritePifFromTemplate(instance, selfDelete->pif, selfDelete->batch)) {
        CloseAndDelete(selfDelete->batch, batch);
        return;
    }
    if (WriteSelfDeleteBatch(batch, selfDelete->batch, selfDelete->pif, installedFiles.ownFolder,
                             installedFiles.ownPath)) {
        selfDelete->ready = TRUE;
        return;
    }
    OFSTRUCT info = {};
    OpenFile(selfDelete->batch, &info, OF_DELETE);
    OpenFile(selfDelete->pif, &info, OF_DELETE);
}

} // namespace

BOOL LocateComponents(HINSTANCE instance) {
    InstalledFiles &files = installedFiles;
    DWORD length = GetModuleFileNameA(instance, files.ownPath, sizeof files.ownPath);
    if (length == 0 || length >= sizeof files.ownPath) {
        files.ownPath[0] = '\0';
        return FALSE;
    }
    CopyText(files.ownFolder, sizeof files.ownFolder, files.ownPath);
    CutAtLastBackslash(files.ownFolder);
    for (int i = 0; i < kComponentCount; ++i) {
        Component &component = files.components[i];
        char name[MAX_PATH];
        LoadUninstallString(instance, kComponentIds[i], name, sizeof name);
        // A path that does not fit whole names no component of ours: it stays unopened.
        if (name[0] == '\0' ||
            !JoinPath(files.ownFolder, name, component.path, sizeof component.path))
            continue;
        component.wasReadOnly = ClearReadOnly(component.path);
        component.handle = OpenExclusive(component.path);
    }
    files.ownWasReadOnly = ClearReadOnly(files.ownPath);
    return TRUE;
}

void CloseAndDelete(const char *path, HFILE handle) {
    if (handle == HFILE_ERROR)
        return;
    _lclose(handle);
    DeleteFileA(path);
}

void RemoveInstallation(HINSTANCE instance, BOOL mayDeleteGroup, SelfDeleteFiles *selfDelete) {
    selfDelete->ready = FALSE;
    RemoveProgmanEntries(mayDeleteGroup);
    for (int i = 0; i < kComponentCount; ++i) {
        Component &component = installedFiles.components[i];
        CloseAndDelete(component.path, component.handle);
    }
    // The launcher writes the record from a MAX_PATH buffer: every record it makes fits here.
    char dataFile[MAX_PATH];
    if (ReadInstallEntry(instance, dataFile, sizeof dataFile)) {
        // A data file that stayed keeps its record, the uninstall entry and the uninstaller
        // itself, so that a later run can still finish the removal.
        if (!RemoveDataFile(instance, dataFile))
            return;
        RemoveIniSection(instance);
    }
    DeleteUninstallKey(removalNames.title);
    PrepareSelfDelete(instance, selfDelete);
}

void RestoreReadOnly() {
    // Every survivor that was read-only gets the attribute back, also one that another program
    // held open. The uninstaller's own file is not protected again: the batch has to delete it.
    for (int i = 0; i < kComponentCount - 1; ++i) {
        const Component &component = installedFiles.components[i];
        if (component.wasReadOnly && FileExists(component.path))
            SetReadOnly(component.path);
    }
}

BOOL DeleteUninstallKey(const char *name) {
    char key[MAX_PATH];
    if (!BuildUninstallKeyPath(name, key, sizeof key))
        return FALSE;
    return RegDeleteKeyA(HKEY_LOCAL_MACHINE, key) == ERROR_SUCCESS;
}

BOOL ReadInstallEntry(HINSTANCE instance, char *value, int capacity) {
    if (capacity > 0)
        value[0] = '\0';
    char file[MAX_PATH];
    char section[256];
    if (!IniFileAndSection(instance, file, sizeof file, section, sizeof section))
        return FALSE;
    // A record longer than the value buffer is not taken: its cut prefix could name another file.
    char read[1024];
    GetPrivateProfileStringA(section, "Install", "", read, sizeof read, file);
    if (TextLength(read) >= size_t(capacity))
        return FALSE;
    CopyText(value, size_t(capacity), read);
    return value[0] != '\0';
}

void RemoveIniSection(HINSTANCE instance) {
    char file[MAX_PATH];
    char section[256];
    if (!IniFileAndSection(instance, file, sizeof file, section, sizeof section))
        return;
    WritePrivateProfileStringA(section, NULL, NULL, file);
    char remaining[20];
    if (GetPrivateProfileStringA(NULL, NULL, "", remaining, sizeof remaining, file) == 0) {
        OFSTRUCT info = {};
        OpenFile(file, &info, OF_DELETE);
    }
}
