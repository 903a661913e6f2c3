// The removal's Win32 side: the facts it is planned from, the components it locks, and the
// executor that carries a removal plan out.
#include "removal.h"

#include "../common/file_ops.h"
#include "../common/install_record_file.h"
#include "../common/process.h"
#include "../common/side_files.h"
#include "../common/string_source.h"
#include "../common/text.h"
#include "../common/uninstall_entry.h"
#include "ownership.h"
#include "paths.h"
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
                          bool mayDeleteGroup) {
    ProgmanDeleteItem(progman, names.group, names.title);
    ProgmanDeleteItem(progman, names.group, names.helpItem);
    BOOL lastDeleted = ProgmanDeleteItem(progman, names.group, names.uninstallItem);
    // The counts were read before the deletions; only an empty group now is the title's alone.
    if (mayDeleteGroup && lastDeleted && ProgmanGroupIsEmpty(progman, names.group))
        ProgmanDeleteGroup(progman, names.group);
}

void RemoveComponentFiles(InstalledFiles *files) {
    for (Component &component : files->components) {
        CloseAndDelete(component.path, component.handle);
        component.handle = INVALID_HANDLE_VALUE;
    }
}

// False when the data file is still there afterwards (held open by another program, say).
bool RemoveDataFile(const char *path) {
    BOOL wasReadOnly = ClearReadOnly(path);
    CloseAndDelete(path, OpenExclusive(path));
    if (!FileExists(path))
        return true;
    if (wasReadOnly)
        SetReadOnly(path);
    return false;
}

// The installation's uninstaller, found from the title's disc: not running, so deleted here, with
// the names Setup copies it under or keeps an earlier one under. False when it is still there.
bool RemoveInstalledUninstaller(const char *path) {
    DeleteSideFiles(path);
    BOOL wasReadOnly = ClearReadOnly(path);
    DeleteByName(path);
    if (!FileExists(path))
        return true;
    if (wasReadOnly)
        SetReadOnly(path);
    return false;
}

// The installation's folder and each parent, deepest first, each while it is empty; never a
// drive or share, and never through a junction or link, which would lead elsewhere.
void RemoveEmptiedFolders(const char *installFolder) {
    char folder[MAX_PATH];
    CopyText(folder, sizeof folder, installFolder);
    if (!IsFolderBelowRoot(folder))
        return;
    do {
        const DWORD attributes = GetFileAttributesA(folder);
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY) ||
            (attributes & FILE_ATTRIBUTE_REPARSE_POINT) || !RemoveDirectoryA(folder))
            return;
    } while (CutToParentFolder(folder));
}

void PrepareSelfDelete(HINSTANCE instance, const RemovalPlan &plan, const InstalledFiles &files,
                       SelfDeleteFiles *selfDelete) {
    selfDelete->ready = FALSE;
    selfDelete->ntFamily = IsNtFamily();
    // Only MS-DOS needs the PIF: the NT family's interpreter runs the batch itself.
    const bool withPif = !selfDelete->ntFamily;
    char folder[MAX_PATH];
    HANDLE pif = INVALID_HANDLE_VALUE;
    HANDLE batch = SelfDeleteFolder(selfDelete->ntFamily, folder, sizeof folder)
                       ? CreateTempBatch(folder, withPif, SystemTempNames(), selfDelete->batch,
                                         selfDelete->pif, &pif)
                       : INVALID_HANDLE_VALUE;
    if (batch == INVALID_HANDLE_VALUE)
        return;
    ClearReadOnly(files.components[kComponentCount - 1].path);
    if (withPif && !WritePifFromTemplate(instance, pif, selfDelete->batch)) {
        CloseHandle(batch);
        DeleteByName(selfDelete->batch);
        DeleteByName(selfDelete->pif);
        return;
    }
    if (WriteSelfDeleteBatch(batch, selfDelete->batch, selfDelete->pif, plan.ownFolder,
                             plan.ownPath, selfDelete->ntFamily)) {
        selfDelete->ready = TRUE;
        return;
    }
    DeleteByName(selfDelete->batch);
    if (withPif)
        DeleteByName(selfDelete->pif);
}

// The title's disc: a CD-ROM drive, or a folder holding the title's player and the disc's data
// file (the disc copied to a hard disk).
void GatherDiscFacts(const char *ownPath, DiscFacts *disc) {
    *disc = DiscFacts{false, false};
    if (ownPath[0] == '\0')
        return;
    if (ownPath[1] == ':' && ownPath[2] == '\\') {
        const char root[4] = {ownPath[0], ':', '\\', '\0'};
        disc->cdromDrive = GetDriveTypeA(root) == DRIVE_CDROM;
    }
    char folder[MAX_PATH], player[MAX_PATH], data[MAX_PATH], name[MAX_PATH];
    CopyText(folder, sizeof folder, ownPath);
    CutAtLastChar(folder, '\\');
    disc->holdsDiscFiles = LoadFixedString(IDS_COMPONENT_PLAYER, name, sizeof name) > 0 &&
                           JoinPath(folder, name, player, sizeof player) && FileExists(player) &&
                           LoadFixedString(IDS_DISC_DATA_FILE, name, sizeof name) > 0 &&
                           JoinPath(folder, name, data, sizeof data) && FileExists(data);
}

void GatherProgmanFacts(const ProgmanConversation &progman, const RemovalNames &names,
                        ProgmanFacts *facts) {
    facts->answered = true;
    facts->groupExists = ProgmanGroupExists(progman, names.group) != FALSE;
    if (!facts->groupExists)
        return;
    facts->found = 0;
    facts->found +=
        ProgmanFindItem(progman, names.group, names.helpItem, &facts->itemCount) ? 1 : 0;
    facts->found += ProgmanFindItem(progman, names.group, names.title, NULL) ? 1 : 0;
    facts->found += ProgmanFindItem(progman, names.group, names.uninstallItem, NULL) ? 1 : 0;
}

} // namespace

void LoadRemovalNames(RemovalNames *names) {
    LoadLangString(IDS_LANG_GROUP, names->group, sizeof names->group);
    LoadLangString(IDS_LANG_HELP_ITEM, names->helpItem, sizeof names->helpItem);
    LoadLangString(IDS_LANG_TITLE, names->title, sizeof names->title);
    LoadLangString(IDS_LANG_UNINSTALL_ITEM, names->uninstallItem, sizeof names->uninstallItem);
}

void GatherRemovalFacts(HINSTANCE instance, const RemovalNames &names,
                        const ProgmanConversation *progman, RemovalFacts *facts) {
    char modulePath[kRemovalPathCapacity];
    ModulePath(instance, modulePath, sizeof modulePath);
    // Started by a short name or through a substitute drive, the uninstaller still knows the
    // folder the record and the entry name as its own.
    OwnPathInOneSpelling(modulePath, facts->ownPath, sizeof facts->ownPath);
    LoadFixedString(IDS_DATA_FILE, facts->dataFileName, sizeof facts->dataFileName);
    LocateInstallRecord(IDS_INI_FILE, IDS_LANG_TITLE, &facts->recordPlace);
    CopyText(facts->entryKey, sizeof facts->entryKey, names.title);
    LoadFixedString(IDS_INSTALLED_UNINSTALLER, facts->installedName, sizeof facts->installedName);
    GatherDiscFacts(facts->ownPath, &facts->disc);
    ReadOwnership(facts);
    if (progman != NULL)
        GatherProgmanFacts(*progman, names, &facts->progman);
}

void LocateComponents(const RemovalPlan &plan, InstalledFiles *files) {
    for (Component &component : files->components)
        component = Component{"", INVALID_HANDLE_VALUE, FALSE};
    // Only a removal of our own folder touches it: the title's disc keeps every file.
    if (!PlanHas(plan, RemovalStepKind::Components))
        return;
    for (int i = 0; i < kComponentCount; ++i) {
        Component &component = files->components[i];
        char name[MAX_PATH];
        LoadFixedString(kComponentIds[i], name, sizeof name);
        // A path that does not fit whole names no component of ours: it stays unopened.
        if (plan.ownFolder[0] == '\0' || name[0] == '\0' ||
            !JoinPath(plan.ownFolder, name, component.path, sizeof component.path))
            continue;
        component.wasReadOnly = ClearReadOnly(component.path);
        component.handle = OpenExclusive(component.path);
    }
    // The batch must be able to delete the uninstaller's own file.
    if (plan.ownPath[0] != '\0')
        ClearReadOnly(plan.ownPath);
}

RemovalOutcome CarryOutRemoval(HINSTANCE instance, const RemovalPlan &plan,
                               const ProgmanConversation &progman, const RemovalNames &names,
                               InstalledFiles *files, SelfDeleteFiles *selfDelete,
                               const RemovalWatch &watch) {
    RemovalOutcome outcome = {false, RemovalStepKind::ProgmanItems, false};
    selfDelete->ready = FALSE;
    for (int i = 0; i < plan.count; ++i) {
        if (watch.beforeStep != nullptr)
            watch.beforeStep(watch.context, i);
        bool done = true;
        switch (plan.steps[i].kind) {
        case RemovalStepKind::SideFiles:
            RepairSideFiles(plan.dataFile);
            RepairSideFiles(plan.owner);
            break;
        case RemovalStepKind::ProgmanItems:
            RemoveProgmanEntries(progman, names, plan.mayDeleteGroup);
            break;
        case RemovalStepKind::Components:
            RemoveComponentFiles(files);
            break;
        case RemovalStepKind::DataFile:
            done = RemoveDataFile(plan.dataFile);
            break;
        case RemovalStepKind::Record:
            // Another installation's by now is left to it.
            done = !RecordStillOurs(plan) || RemoveInstallRecord(plan.recordPlace);
            break;
        case RemovalStepKind::Entry:
            switch (EntryStillOurs(plan)) {
            case EntryFound:
                done = DeleteUninstallEntry(plan.entryKey);
                break;
            case EntryUnreadable:
                done = false; // it may name us: it stays, and so do we
                break;
            case EntryAbsent:
                break;
            }
            break;
        case RemovalStepKind::SelfDelete:
            PrepareSelfDelete(instance, plan, *files, selfDelete);
            outcome.selfDeleteMissing = !selfDelete->ready;
            break;
        case RemovalStepKind::InstalledUninstaller:
            done = RemoveInstalledUninstaller(plan.installedUninstaller);
            break;
        case RemovalStepKind::InstallFolders:
            RemoveEmptiedFolders(plan.installFolder);
            break;
        }
        if (!done && plan.steps[i].stopsOnFailure) {
            outcome.stopped = true;
            outcome.stoppedAt = plan.steps[i].kind;
            return outcome;
        }
    }
    return outcome;
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
