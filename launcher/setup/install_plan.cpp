// The install as a plan: what is written where, in which order, and what each step undoes when a
// later one fails, decided from the facts gathered before anything is written.
#include "install_plan.h"

#include "../../common/command_quoting.h"
#include "../../common/side_names.h"
#include "../../common/text.h"
#include "chunked_copy.h"
#include "install_folder.h"
#include "install_paths.h"

namespace {
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
    plan->entry.displayIcon[0] = '\0';
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
           AppendPathArgument(plan->entry.command, sizeof plan->entry.command, plan->uninstaller) &&
           // Windows' list shows the uninstaller's own icon: its file and the icon's index.
           AppendWhole(plan->entry.displayIcon, sizeof plan->entry.displayIcon,
                       plan->uninstaller) &&
           AppendWhole(plan->entry.displayIcon, sizeof plan->entry.displayIcon, ",0");
}

// The installed files' size in KB, rounded up, as Windows' list shows it (at most 32 bits).
unsigned long InstalledKb(const InstallFacts &facts) {
    const uint64_t bytes = facts.sourceBytes + facts.uninstallerBytes;
    const uint64_t kb = bytes / 1024 + (bytes % 1024 != 0 ? 1 : 0);
    return kb > 0xFFFFFFFFull ? 0xFFFFFFFFul : static_cast<unsigned long>(kb);
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
    return SelfDeleteLinesFit(plan.uninstaller, facts.batch) ? InstallAccepted
                                                             : RefusedNotRemovable;
}

InstallPlan PlanInstall(const InstallChoice &choice, const InstallFacts &facts) {
    InstallPlan plan = {};
    plan.refusal = !facts.titleFound ? RefusedNoTitle : CheckInstallFolder(choice.folder, facts);
    // A folder Windows would spell another way is never recorded: the uninstaller would not know
    // it for its own.
    if (plan.refusal == InstallAccepted && CheckFolderSpelling(choice.folder) != SpellingWhole)
        plan.refusal = RefusedFolder;
    if (plan.refusal == InstallAccepted && facts.sourceBytes > kLargestCopy)
        plan.refusal = RefusedSourceSize;
    // What the install replaces must be put back exactly if it fails: an earlier record or entry
    // that could not be kept whole refuses it before anything is written.
    if (plan.refusal == InstallAccepted &&
        (facts.previousRecord == RecordTooLong || facts.previousEntry == EntryUnreadable))
        plan.refusal = RefusedEarlierValues;
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
    CopyText(plan.entry.displayVersion, sizeof plan.entry.displayVersion, facts.displayVersion);
    CopyText(plan.entry.publisher, sizeof plan.entry.publisher, facts.publisher);
    CopyText(plan.entry.installLocation, sizeof plan.entry.installLocation, plan.folder);
    plan.entry.estimatedKb = InstalledKb(facts);
    if (facts.previousEntry == EntryFound)
        plan.previousEntry = facts.previousEntryValues;
    else
        ClearSnapshot(&plan.previousEntry);
    return plan;
}
