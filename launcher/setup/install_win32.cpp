// Carrying out an install plan: its steps in order, each undone with the earlier ones when a later
// one fails, so that an install is all there or not at all.
#include "install.h"

#include <windows.h>

#include "../../common/install_record_file.h"
#include "../../common/side_files.h"
#include "../../common/text.h"
#include "../../common/uninstall_entry.h"
#include "folder_security.h"
#include "install_files.h"

namespace {

// The folder up to the end of one of its levels ("C:", "C:\TWL", ...).
void FolderLevel(const InstallPlan &plan, size_t level, char *dst, size_t capacity) {
    CopyText(dst, capacity, plan.folder);
    if (plan.folderEnds[level] < capacity)
        dst[plan.folderEnds[level]] = '\0';
}

// A step's result: on a failure, the error of the call that failed.
bool Done(InstallRun &run, bool done) {
    if (!done)
        run.error = GetLastError();
    return done;
}

void Silent(void *, unsigned) {}

bool CopyData(InstallRun &run) {
    const InstallPlan &plan = *run.plan;
    SourceReader source = {nullptr, 0};
    // A source that cannot be read ends the step before any folder is made.
    if (OpenSourceFile(plan.dataSource, &source)) {
        // A folder made here is administrators' alone to change (folder_security.h); one that
        // existed keeps its permissions.
        FolderSecurity security;
        MakeFolderSecurity(&security);
        for (size_t level = 0; level < plan.folderLevels; ++level) {
            char prefix[kInstallFolderCapacity];
            FolderLevel(plan, level, prefix, sizeof prefix);
            // Drive parts and folders that exist fail alike, and are not ours to remove.
            run.createdLevel[level] = CreateDirectoryA(prefix, security.attributes) != FALSE;
        }
        FreeFolderSecurity(&security);
    }
    return Done(run, CopyToFile(&source, plan.dataCopy, run.progress));
}

bool KeepDataAside(InstallRun &run) {
    return Done(run, KeepAside(run.plan->dataFile, run.plan->dataKept, &run.dataKept));
}

bool PlaceData(InstallRun &run) {
    run.dataPlaced = MoveIn(run.plan->dataCopy, run.plan->dataFile);
    return Done(run, run.dataPlaced);
}

// The uninstaller goes the data file's way: copied whole and flushed before it takes its name, so
// that a cut-off run never leaves a part of it where Windows' list would start it.
bool CopyUninstaller(InstallRun &run) {
    SourceReader source = {nullptr, 0};
    OpenSourceFile(run.plan->uninstallerSource, &source);
    return Done(run, CopyToFile(&source, run.plan->uninstallerCopy, ProgressSink{Silent, nullptr}));
}

bool KeepUninstallerAside(InstallRun &run) {
    return Done(run,
                KeepAside(run.plan->uninstaller, run.plan->uninstallerKept, &run.uninstallerKept));
}

bool PlaceUninstaller(InstallRun &run) {
    run.uninstallerPlaced = MoveIn(run.plan->uninstallerCopy, run.plan->uninstaller);
    return Done(run, run.uninstallerPlaced);
}

bool WriteEntry(InstallRun &run) {
    run.entryWritten = true;
    return Done(run, WriteUninstallEntry(run.plan->entryKey, run.plan->entry, &run.entryCreated));
}

bool WriteRecord(InstallRun &run) {
    return Done(run, WriteInstallRecord(run.plan->recordPlace, run.plan->recordValue));
}

void Undo(InstallRun &run, InstallStep step) {
    const InstallPlan &plan = *run.plan;
    switch (step) {
    case StepRecord:
        if (plan.restoreRecord)
            WriteInstallRecord(plan.recordPlace, plan.previousRecordValue);
        else
            RemoveInstallRecordKey(plan.recordPlace);
        break;
    case StepEntry:
        if (run.entryWritten)
            RestoreUninstallEntry(plan.entryKey, plan.previousEntry, run.entryCreated);
        break;
    case StepUninstallerInPlace:
        if (run.uninstallerPlaced)
            DeleteInstalledFile(plan.uninstaller);
        break;
    case StepUninstallerKeptAside:
        if (run.uninstallerKept)
            MoveFileA(plan.uninstallerKept, plan.uninstaller);
        break;
    case StepUninstallerCopy:
        DeleteInstalledFile(plan.uninstallerCopy);
        break;
    case StepDataInPlace:
        if (run.dataPlaced)
            DeleteInstalledFile(plan.dataFile);
        break;
    case StepDataKeptAside:
        if (run.dataKept)
            MoveFileA(plan.dataKept, plan.dataFile);
        break;
    case StepDataCopy:
        DeleteInstalledFile(plan.dataCopy);
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
    return InstallSteps{{CopyData, KeepDataAside, PlaceData, CopyUninstaller, KeepUninstallerAside,
                         PlaceUninstaller, WriteEntry, WriteRecord}};
}

InstallOutcome CarryOutInstall(const InstallPlan &plan, const ProgressSink &progress,
                               const InstallSteps &steps) {
    InstallOutcome outcome = {false, plan.refusal, kInstallSteps, false};
    if (plan.refusal != InstallAccepted)
        return outcome;
    // What an earlier run cut off left beside the two files: their copies, and an earlier file
    // kept aside, which takes its name again when its own is missing.
    RepairSideFiles(plan.dataFile);
    RepairSideFiles(plan.uninstaller);
    InstallRun run = {};
    run.plan = &plan;
    run.progress = progress;
    for (int step = 0; step < kInstallSteps; ++step) {
        if (steps.run[step](run))
            continue;
        outcome.failedStep = InstallStep(step);
        outcome.accessDenied = run.error == ERROR_ACCESS_DENIED;
        for (int undone = step; undone >= 0; --undone)
            Undo(run, InstallStep(undone));
        return outcome;
    }
    // Whole: the earlier installation's files kept aside are no longer needed.
    DeleteInstalledFile(plan.dataKept);
    DeleteInstalledFile(plan.uninstallerKept);
    outcome.installed = true;
    return outcome;
}
