// Carrying out an install plan: the four steps in order, each undone with the earlier ones when a
// later one fails, so that an install is all there or not at all.
#include "install.h"

#include <windows.h>

#include "../../common/file_ops.h"
#include "../../common/install_record_file.h"
#include "../../common/text.h"
#include "../../common/uninstall_entry.h"
#include "install_files.h"

namespace {

// The folder up to the end of one of its levels ("C:", "C:\TWL", ...).
void FolderLevel(const InstallPlan &plan, size_t level, char *dst, size_t capacity) {
    CopyText(dst, capacity, plan.folder);
    if (plan.folderEnds[level] < capacity)
        dst[plan.folderEnds[level]] = '\0';
}

bool PutDataFile(InstallRun &run) {
    const InstallPlan &plan = *run.plan;
    SourceReader source = {nullptr, 0};
    // A source that cannot be read ends the step before any folder is made.
    if (OpenSourceFile(plan.dataSource, &source))
        for (size_t level = 0; level < plan.folderLevels; ++level) {
            char prefix[kInstallFolderCapacity];
            FolderLevel(plan, level, prefix, sizeof prefix);
            // Drive parts and folders that exist fail alike, and are not ours to remove.
            run.createdLevel[level] = CreateDirectoryA(prefix, NULL) != FALSE;
        }
    run.dataPlaced = CopyToFile(&source, plan.dataCopy, run.progress) &&
                     PutInPlace(plan.dataCopy, plan.dataFile, plan.dataKept);
    return run.dataPlaced;
}

bool WriteRecord(InstallRun &run) {
    return WriteInstallRecord(run.plan->recordPlace, run.plan->recordValue);
}

bool PutUninstaller(InstallRun &run) {
    const InstallPlan &plan = *run.plan;
    DeleteInstalledFile(plan.uninstallerCopy); // a copy an interrupted install left
    if (!CopyFileA(plan.uninstallerSource, plan.uninstallerCopy, TRUE))
        return false;
    ClearReadOnly(plan.uninstallerCopy); // a copy from a CD-ROM arrives read-only
    run.uninstallerPlaced =
        PutInPlace(plan.uninstallerCopy, plan.uninstaller, plan.uninstallerKept);
    return run.uninstallerPlaced;
}

bool WriteEntry(InstallRun &run) {
    return WriteUninstallEntry(run.plan->entryKey, run.plan->entry);
}

void Undo(InstallRun &run, InstallStep step) {
    const InstallPlan &plan = *run.plan;
    switch (step) {
    case StepEntry:
        if (plan.restoreEntry)
            WriteUninstallEntry(plan.entryKey, plan.previousEntry);
        else
            DeleteUninstallEntry(plan.entryKey);
        break;
    case StepUninstaller:
        DeleteInstalledFile(plan.uninstallerCopy);
        if (run.uninstallerPlaced)
            TakeBack(plan.uninstaller, plan.uninstallerKept);
        break;
    case StepRecord:
        if (plan.restoreRecord)
            WriteInstallRecord(plan.recordPlace, plan.previousRecordValue);
        else
            RemoveInstallRecord(plan.recordPlace);
        break;
    case StepDataFile:
        DeleteInstalledFile(plan.dataCopy);
        if (run.dataPlaced)
            TakeBack(plan.dataFile, plan.dataKept);
        for (size_t level = plan.folderLevels; level > 0; --level)
            if (run.createdLevel[level - 1]) {
                char prefix[kInstallFolderCapacity];
                FolderLevel(plan, level - 1, prefix, sizeof prefix);
                RemoveDirectoryA(prefix);
            }
        break;
    default:
        break;
    }
}
} // namespace

InstallSteps RealInstallSteps() {
    return InstallSteps{{PutDataFile, WriteRecord, PutUninstaller, WriteEntry}};
}

InstallOutcome CarryOutInstall(const InstallPlan &plan, const ProgressSink &progress,
                               const InstallSteps &steps) {
    InstallOutcome outcome = {false, plan.refusal, kInstallSteps};
    if (plan.refusal != InstallAccepted)
        return outcome;
    InstallRun run = {&plan, progress, {}, false, false};
    for (int step = 0; step < kInstallSteps; ++step) {
        if (steps.run[step](run))
            continue;
        for (int undone = step; undone >= 0; --undone)
            Undo(run, InstallStep(undone));
        outcome.failedStep = InstallStep(step);
        return outcome;
    }
    // Whole: the earlier installation's files kept aside are no longer needed.
    DeleteInstalledFile(plan.dataKept);
    DeleteInstalledFile(plan.uninstallerKept);
    outcome.installed = true;
    return outcome;
}
