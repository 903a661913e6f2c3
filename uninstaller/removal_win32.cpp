// The removal itself: the title's Program Manager entries, files, uninstall key and INI record.
#include "removal.h"

#include "../common/file_ops.h"
#include "../common/install_record_file.h"
#include "../common/process.h"
#include "../common/string_source.h"
#include "../common/text.h"
#include "../common/uninstall_key.h"
#include "paths.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"

namespace {

const UINT kComponentIds[kComponentCount] = {IDS_COMPONENT_PLAYER, IDS_COMPONENT_HELP,
                                             IDS_COMPONENT_ENGINE, IDS_COMPONENT_UNINSTALLER};

// Opens a file for reading and writing with no sharing, which locks it against other programs
// until it is closed. Not OpenFile: its 128-character record refuses the paths of deep install
// folders, which would leave their files behind.
HANDLE OpenExclusive(const char *path) {
    return CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, NULL, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, NULL);
}

// Closes an open component and deletes its file; an unopened one is left alone.
void CloseAndDelete(const char *path, HANDLE handle) {
    if (handle == INVALID_HANDLE_VALUE)
        return;
    CloseHandle(handle);
    DeleteFileA(path);
}

void RemoveProgmanEntries(const ProgmanConversation &progman, const RemovalNames &names,
                          BOOL mayDeleteGroup) {
    ProgmanDeleteItem(progman, names.group, names.title);
    ProgmanDeleteItem(progman, names.group, names.helpItem);
    BOOL lastDeleted = ProgmanDeleteItem(progman, names.group, names.uninstallItem);
    // The counts were read before the deletions; only an empty group now is the title's alone.
    if (mayDeleteGroup && lastDeleted && ProgmanGroupIsEmpty(progman, names.group))
        ProgmanDeleteGroup(progman, names.group);
}

// The data file goes only when the record names the title's own data file. FALSE when that file
// is still there afterwards (held open by another program, say): its record must then stay, or
// nothing could ever find and remove the file again.
bool RemoveDataFile(const char *path) {
    char dataFileName[32];
    LoadFixedString(IDS_DATA_FILE, dataFileName, sizeof dataFileName);
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

void PrepareSelfDelete(HINSTANCE instance, const InstalledFiles &files,
                       SelfDeleteFiles *selfDelete) {
    selfDelete->ready = FALSE;
    HANDLE batch = CreateTempBatch(selfDelete->batch, selfDelete->pif);
    if (batch == INVALID_HANDLE_VALUE)
        return;
    ClearReadOnly(files.components[kComponentCount - 1].path);
    if (!WritePifFromTemplate(instance, selfDelete->pif, selfDelete->batch)) {
        CloseHandle(batch);
        DeleteByName(selfDelete->batch);
        return;
    }
    if (WriteSelfDeleteBatch(batch, selfDelete->batch, selfDelete->pif, files.ownFolder,
                             files.ownPath)) {
        selfDelete->ready = TRUE;
        return;
    }
    DeleteByName(selfDelete->batch);
    DeleteByName(selfDelete->pif);
}

} // namespace

void LoadRemovalNames(RemovalNames *names) {
    LoadLangString(IDS_LANG_GROUP, names->group, sizeof names->group);
    LoadLangString(IDS_LANG_HELP_ITEM, names->helpItem, sizeof names->helpItem);
    LoadLangString(IDS_LANG_TITLE, names->title, sizeof names->title);
    LoadLangString(IDS_LANG_UNINSTALL_ITEM, names->uninstallItem, sizeof names->uninstallItem);
}

BOOL TitleOwnsGroup(const ProgmanConversation &progman, const RemovalNames &names) {
    if (!ProgmanGroupExists(progman, names.group))
        return MayDeleteGroup(0, 0);
    long itemCount = 0;
    int found = 0;
    found += ProgmanFindItem(progman, names.group, names.helpItem, &itemCount) ? 1 : 0;
    found += ProgmanFindItem(progman, names.group, names.title, NULL) ? 1 : 0;
    found += ProgmanFindItem(progman, names.group, names.uninstallItem, NULL) ? 1 : 0;
    return MayDeleteGroup(itemCount, found);
}

BOOL LocateComponents(HINSTANCE instance, InstalledFiles *files) {
    for (Component &component : files->components)
        component = Component{"", INVALID_HANDLE_VALUE, FALSE};
    files->ownFolder[0] = '\0';
    if (!ModulePath(instance, files->ownPath, sizeof files->ownPath))
        return FALSE;
    CopyText(files->ownFolder, sizeof files->ownFolder, files->ownPath);
    CutAtLastChar(files->ownFolder, '\\');
    for (int i = 0; i < kComponentCount; ++i) {
        Component &component = files->components[i];
        char name[MAX_PATH];
        LoadFixedString(kComponentIds[i], name, sizeof name);
        // A path that does not fit whole names no component of ours: it stays unopened.
        if (name[0] == '\0' ||
            !JoinPath(files->ownFolder, name, component.path, sizeof component.path))
            continue;
        component.wasReadOnly = ClearReadOnly(component.path);
        component.handle = OpenExclusive(component.path);
    }
    // The batch must be able to delete the uninstaller's own file.
    ClearReadOnly(files->ownPath);
    return TRUE;
}

void RemoveInstallation(HINSTANCE instance, const ProgmanConversation &progman,
                        const RemovalNames &names, BOOL mayDeleteGroup, InstalledFiles *files,
                        SelfDeleteFiles *selfDelete) {
    selfDelete->ready = FALSE;
    RemoveProgmanEntries(progman, names, mayDeleteGroup);
    for (Component &component : files->components) {
        CloseAndDelete(component.path, component.handle);
        component.handle = INVALID_HANDLE_VALUE;
    }
    InstallRecordPlace place;
    char dataFile[kRecordValueCapacity];
    if (LocateInstallRecord(IDS_INI_FILE, IDS_LANG_TITLE, &place) &&
        ReadInstallRecord(place, dataFile, sizeof dataFile) == RecordFound) {
        // A data file that stayed keeps its record, the uninstall entry and the uninstaller
        // itself, so that a later run can still finish the removal.
        if (!RemoveDataFile(dataFile))
            return;
        RemoveInstallRecord(place);
    }
    DeleteUninstallKey(names.title);
    PrepareSelfDelete(instance, *files, selfDelete);
}

void RestoreReadOnly(const InstalledFiles &files) {
    // Every survivor that was read-only gets the attribute back, also one that another program
    // held open. The uninstaller's own file is not protected again: the batch has to delete it.
    for (int i = 0; i < kComponentCount - 1; ++i) {
        const Component &component = files.components[i];
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
