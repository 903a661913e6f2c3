// Carrying out an install plan: its steps in order, each undone with the earlier ones when a later
// one fails, so that an install is all there or not at all; and each one change the machine keeps
// when the process is cut off after it, so that the next run can put it right (docs/cut-off.md).
#pragma once
#include "chunked_copy.h"
#include "install_plan.h"

enum InstallStep {
    StepDataCopy,             // the folders, and the data file copied beside its place, flushed
    StepDataKeptAside,        // an earlier data file renamed aside
    StepDataInPlace,          // the copy renamed into its place
    StepUninstallerCopy,      // the uninstaller copied beside its place, flushed
    StepUninstallerKeptAside, // an earlier uninstaller renamed aside
    StepUninstallerInPlace,   // the copy renamed into its place
    StepEntry,                // the uninstall entry's values
    StepRecord,               // BRINDMOR.INI's record: from now on the title counts as installed
    kInstallSteps,
};

struct InstallOutcome {
    bool installed;
    InstallRefusal refusal; // the plan's, when it was refused
    InstallStep failedStep; // when the plan was carried out and failed
    bool accessDenied;      // the failed step's call was refused for want of access
};

// One run of a plan: what the steps share, and what they did that undoing must reverse.
struct InstallRun {
    const InstallPlan *plan;
    ProgressSink progress;
    bool createdLevel[kInstallFolderCapacity]; // folder levels this run created
    bool dataKept, dataPlaced;                 // an earlier data file kept aside; the copy moved in
    bool uninstallerKept, uninstallerPlaced;
    bool entryWritten, entryCreated; // the entry's values written (some perhaps); its key made new
    unsigned long error;             // the system's error of the call that failed a step
};

// The steps as the executor calls them; each returns false when it failed. They are reached
// through this table so that a test can make one of them fail after it did its work, or end the
// process between two of them.
struct InstallSteps {
    bool (*run[kInstallSteps])(InstallRun &run);
};
InstallSteps RealInstallSteps();

// Carries the plan out. First it puts right what a cut-off earlier run left beside the plan's two
// files (side_files.h). On a failure every step that ran, the failed one included, is undone in
// reverse order: what was there before (an earlier installation) is as it was.
InstallOutcome CarryOutInstall(const InstallPlan &plan, const ProgressSink &progress,
                               const InstallSteps &steps = RealInstallSteps());
