// The removal as a plan: from the facts read before anything is removed, the ordered steps, what
// each step that fails keeps (every step after it), and what belongs to another installation.
#include "removal_plan.h"

#include "../common/text.h"
#include "paths.h"
#include "removal_rules.h"

namespace {
void Add(RemovalPlan *plan, RemovalStepKind kind, bool stopsOnFailure) {
    AddRemovalStep(plan, kind, stopsOnFailure);
}
} // namespace

void AddRemovalStep(RemovalPlan *plan, RemovalStepKind kind, bool stopsOnFailure) {
    if (plan->count < kMaxRemovalSteps)
        plan->steps[plan->count++] = RemovalStep{kind, stopsOnFailure};
}

bool PlanHas(const RemovalPlan &plan, RemovalStepKind kind) {
    for (int i = 0; i < plan.count; ++i)
        if (plan.steps[i].kind == kind)
            return true;
    return false;
}

RemovalPlan PlanRemoval(const RemovalFacts &facts) {
    RemovalPlan plan = {};
    CopyText(plan.ownPath, sizeof plan.ownPath, facts.ownPath);
    CopyText(plan.owner, sizeof plan.owner, facts.ownPath);
    CopyText(plan.ownFolder, sizeof plan.ownFolder, facts.ownPath);
    CutAtLastChar(plan.ownFolder, '\\');
    plan.recordPlace = facts.recordPlace;
    CopyText(plan.entryKey, sizeof plan.entryKey, facts.entryKey);
    const bool known = facts.ownPath[0] != '\0';
    if (known && OnTitleDisc(facts.disc)) {
        PlanDiscRemoval(facts, &plan);
        return plan;
    }
    const bool entryOurs =
        EntryIsOurs(facts.entry, facts.entryCommand, facts.entryOwnByIdentity, facts.ownPath);
    if (facts.registryOnly) {
        if (entryOurs)
            Add(&plan, RemovalStepKind::Entry, true);
        return plan;
    }
    if (!facts.progman.answered) {
        plan.tellNoProgman = true;
        return plan;
    }
    if (!known)
        return plan; // nothing can be told to be ours
    const bool recordOurs =
        RecordIsOurs(facts.record, facts.recordValue, facts.recordHereByIdentity, facts.ownPath);
    const bool anotherInstallation =
        (facts.record != RecordAbsent && !recordOurs) || (facts.entry != EntryAbsent && !entryOurs);
    plan.mayDeleteGroup =
        facts.progman.groupExists && MayDeleteGroup(facts.progman.itemCount, facts.progman.found);
    Add(&plan, RemovalStepKind::SideFiles, false);
    if (!anotherInstallation)
        Add(&plan, RemovalStepKind::ProgmanItems, false);
    Add(&plan, RemovalStepKind::Components, false);
    if (facts.dataFileName[0] != '\0' &&
        JoinPath(plan.ownFolder, facts.dataFileName, plan.dataFile, sizeof plan.dataFile))
        Add(&plan, RemovalStepKind::DataFile, true);
    if (recordOurs)
        Add(&plan, RemovalStepKind::Record, true);
    if (entryOurs)
        Add(&plan, RemovalStepKind::Entry, true);
    if (facts.entry != EntryUnreadable)
        Add(&plan, RemovalStepKind::SelfDelete, false);
    return plan;
}
