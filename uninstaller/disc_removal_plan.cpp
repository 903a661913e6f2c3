// The removal planned from the title's disc: the installation that the record and the entry name
// goes, and nothing of the disc.
#include "../common/text.h"
#include "paths.h"
#include "removal_plan.h"
#include "removal_rules.h"

namespace {
// The installation's folder and uninstaller when the record's data file and the entry's
// uninstaller (under the name Setup installs it under) lie in one folder other than our own.
bool FindInstallation(const RemovalFacts &facts, RemovalPlan *plan) {
    if (facts.record != RecordFound || facts.entry != EntryFound || facts.installedName[0] == '\0')
        return false;
    const size_t length = TextLength(facts.recordValue);
    const char last = length > 0 ? facts.recordValue[length - 1] : '\0';
    if (last == '\\' || last == '/') // names a folder, not a data file Setup recorded
        return false;
    char folder[kRemovalPathCapacity], own[kRemovalPathCapacity];
    if (!NormalisePath(facts.recordValue, folder, sizeof folder) ||
        !NormalisePath(facts.ownPath, own, sizeof own))
        return false;
    CutAtLastChar(folder, '\\');
    CutAtLastChar(own, '\\');
    char uninstaller[kRemovalPathCapacity];
    if (EqualIgnoringCase(folder, own) ||
        !JoinPath(folder, facts.installedName, uninstaller, sizeof uninstaller) ||
        !EntryNamesUninstaller(facts.entryCommand, uninstaller) ||
        !RecordBelongsHere(facts.recordValue, uninstaller))
        return false;
    CopyText(plan->installFolder, sizeof plan->installFolder, folder);
    CopyText(plan->installedUninstaller, sizeof plan->installedUninstaller, uninstaller);
    CopyText(plan->owner, sizeof plan->owner, uninstaller);
    return true;
}
} // namespace

bool OnTitleDisc(const DiscFacts &disc) {
    return disc.cdromDrive || disc.holdsDiscFiles;
}

void PlanDiscRemoval(const RemovalFacts &facts, RemovalPlan *plan) {
    plan->fromDisc = true;
    plan->owner[0] = '\0'; // until one installation is found
    // Callers of "/registry" rely on the key going, whatever it names: a failure changes nothing.
    if (facts.registryOnly) {
        AddRemovalStep(plan, RemovalStepKind::Entry, false);
        return;
    }
    if (!facts.progman.answered) {
        plan->tellNoProgman = true;
        return;
    }
    const bool nothingInstalled = facts.record == RecordAbsent && facts.entry == EntryAbsent;
    if (!nothingInstalled && !FindInstallation(facts, plan)) {
        plan->tellNotOneInstallation = true;
        return;
    }
    plan->mayDeleteGroup =
        facts.progman.groupExists && MayDeleteGroup(facts.progman.itemCount, facts.progman.found);
    if (nothingInstalled) {
        AddRemovalStep(plan, RemovalStepKind::ProgmanItems, false);
        return;
    }
    const bool dataFileKnown =
        facts.dataFileName[0] != '\0' &&
        JoinPath(plan->installFolder, facts.dataFileName, plan->dataFile, sizeof plan->dataFile);
    // What a cut-off Setup left beside the installation's files is put right first.
    AddRemovalStep(plan, RemovalStepKind::SideFiles, false);
    AddRemovalStep(plan, RemovalStepKind::ProgmanItems, false);
    if (dataFileKnown)
        AddRemovalStep(plan, RemovalStepKind::DataFile, true);
    AddRemovalStep(plan, RemovalStepKind::Record, true);
    AddRemovalStep(plan, RemovalStepKind::Entry, true);
    // After the entry, so that nothing ever names a missing uninstaller.
    AddRemovalStep(plan, RemovalStepKind::InstalledUninstaller, true);
    AddRemovalStep(plan, RemovalStepKind::InstallFolders, false);
}
