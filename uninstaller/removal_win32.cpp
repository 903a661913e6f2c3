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
    ReadOwnership(facts);
    if (progman != NULL)
        GatherProgmanFacts(*progman, names, &facts->progman);
}

void LocateComponents(const RemovalPlan &plan, InstalledFiles *files) {
    for (int i = 0; i < kComponentCount; ++i) {
        Component &component = files->components[i];
        component = Component{"", INVALID_HANDLE_VALUE, FALSE};
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

void CarryOutRemoval(HINSTANCE instance, const RemovalPlan &plan,
                     const ProgmanConversation &progman, const RemovalNames &names,
                     InstalledFiles *files, SelfDeleteFiles *selfDelete,
                     const RemovalWatch &watch) {
    selfDelete->ready = FALSE;
    for (int i = 0; i < plan.count; ++i) {
        if (watch.beforeStep != nullptr)
            watch.beforeStep(watch.context, i);
        bool done = true;
        switch (plan.steps[i].kind) {
        case RemovalStepKind::SideFiles:
            RepairSideFiles(plan.dataFile);
            RepairSideFiles(plan.ownPath);
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
            break;
        }
        if (!done && plan.steps[i].stopsOnFailure)
            return;
    }
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
