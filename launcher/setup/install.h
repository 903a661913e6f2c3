// Carrying out an install plan: the four steps in order, each undone with the earlier ones when a
// later one fails, so that an install is all there or not at all.
#pragma once
#include "chunked_copy.h"
#include "install_plan.h"

enum InstallStep {
    StepDataFile,    // the folders, and the data file copied and put in place
    StepRecord,      // BRINDMOR.INI's record of the data file
    StepUninstaller, // the uninstaller copied beside it, writable
    StepEntry,       // both values of the uninstall entry
    kInstallSteps,
};

struct InstallOutcome {
    bool installed;
    InstallRefusal refusal; // the plan's, when it was refused
    InstallStep failedStep; // when the plan was carried out and failed
};

// One run of a plan: what the steps share, and what they did that undoing must reverse.
struct InstallRun {
    const InstallPlan *plan;
    ProgressSink progress;
    bool createdLevel[kInstallFolderCapacity]; // folder levels this run created
    bool dataPlaced, uninstallerPlaced;        // copies this run put in place
};

// The steps as the executor calls them; each returns false when it failed. They are reached
// through this table so that a test can make one of them fail after it did its work.
struct InstallSteps {
    bool (*run[kInstallSteps])(InstallRun &run);
};
InstallSteps RealInstallSteps();

// Carries the plan out. On a failure every step that ran, the failed one included, is undone
// in reverse order: what was there before (an earlier installation) is as it was.
InstallOutcome CarryOutInstall(const InstallPlan &plan, const ProgressSink &progress,
                               const InstallSteps &steps = RealInstallSteps());
