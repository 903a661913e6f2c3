// The install as a plan: what is written where, in which order, and what each step undoes when a
// later one fails, decided from the facts gathered before anything is written.
#include "install_plan.h"

#include "../../common/batch_lines.h"
#include "../../common/command_quoting.h"
#include "../../common/text.h"
#include "chunked_copy.h"
#include "install_paths.h"

namespace {
const char kCopyMark = '~'; // the new file while it is copied beside its place
const char kKeptMark = '#'; // an earlier installation's file, kept until the install succeeded

bool NamesKnown(const InstallFacts &facts) {
    return facts.dataFileName[0] != '\0' && facts.uninstallerName[0] != '\0' &&
           facts.title[0] != '\0' && facts.recordPlace.file[0] != '\0';
}

// Every path of the plan that follows from the folder; false when one does not fit whole.
bool PlanPaths(const char *folder, const InstallFacts &facts, InstallPlan *plan) {
    if (folder[0] == '\0' || TextLength(folder) >= sizeof plan->folder)
        return false;
    CopyText(plan->folder, sizeof plan->folder, folder);
    plan->folderLevels = FolderLevelEnds(folder, plan->folderEnds, kInstallFolderCapacity);
    plan->entry.command[0] = '\0';
    return plan->folderLevels > 0 &&
           BuildDataFilePath(folder, facts.dataFileName, plan->dataFile, sizeof plan->dataFile) &&
           BuildSideName(plan->dataFile, kCopyMark, plan->dataCopy, sizeof plan->dataCopy) &&
           BuildSideName(plan->dataFile, kKeptMark, plan->dataKept, sizeof plan->dataKept) &&
           BuildUninstallerPath(folder, facts.uninstallerName, plan->uninstaller,
                                sizeof plan->uninstaller) &&
           BuildSideName(plan->uninstaller, kCopyMark, plan->uninstallerCopy,
                         sizeof plan->uninstallerCopy) &&
           BuildSideName(plan->uninstaller, kKeptMark, plan->uninstallerKept,
                         sizeof plan->uninstallerKept) &&
           // Windows runs the command as it stands: a path with a blank must not be split.
           AppendPathArgument(plan->entry.command, sizeof plan->entry.command, plan->uninstaller);
}
} // namespace

InstallRefusal CheckInstallFolder(const char *folder, const InstallFacts &facts) {
    if (!NamesKnown(facts))
        return RefusedNoNames;
    InstallPlan plan;
    if (!PlanPaths(folder, facts, &plan))
        return RefusedFolder;
    // Every installation must be removable whole: its uninstaller deletes itself and its folders
    // through a batch whose lines the system's interpreter has to take.
    return SelfDeleteLinesFit(plan.uninstaller, facts.batchLineLimit) ? InstallAccepted
                                                                      : RefusedNotRemovable;
}

InstallPlan PlanInstall(const InstallChoice &choice, const InstallFacts &facts) {
    InstallPlan plan = {};
    plan.refusal = !facts.titleFound ? RefusedNoTitle : CheckInstallFolder(choice.folder, facts);
    if (plan.refusal == InstallAccepted && facts.sourceBytes > kLargestCopy)
        plan.refusal = RefusedSourceSize;
    if (plan.refusal != InstallAccepted)
        return plan;
    PlanPaths(choice.folder, facts, &plan);
    CopyText(plan.dataSource, sizeof plan.dataSource, facts.dataSource);
    CopyText(plan.uninstallerSource, sizeof plan.uninstallerSource, facts.uninstallerSource);
    plan.recordPlace = facts.recordPlace;
    CopyText(plan.recordValue, sizeof plan.recordValue, plan.dataFile);
    plan.restoreRecord = facts.previousRecord == RecordFound;
    CopyText(plan.previousRecordValue, sizeof plan.previousRecordValue,
             plan.restoreRecord ? facts.previousRecordValue : "");
    CopyText(plan.entryKey, sizeof plan.entryKey, facts.title);
    CopyText(plan.entry.displayName, sizeof plan.entry.displayName, facts.title);
    plan.restoreEntry = facts.previousEntry == EntryFound;
    if (plan.restoreEntry)
        plan.previousEntry = facts.previousEntryValues;
    return plan;
}
