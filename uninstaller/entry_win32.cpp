// The uninstaller's entry point: one question, then the removal planned from what it finds, with
// the rights it needs asked for once, the user told when it stops short, and the start of
// self-deletion.
#include <windows.h>

#include "../common/message_box.h"
#include "../common/string_source.h"
#include "../common/windows_language.h"
#include "confirm_dialog.h"
#include "elevation.h"
#include "progman_client.h"
#include "removal.h"
#include "removal_notices.h"
#include "removal_rights.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"
#include "uninstall_language.h"

static_assert(IDS_LANG_TITLE == kTitleOffset, "the message boxes take the title from its offset");

namespace {
// "/registry": only the uninstall entry goes; nothing is asked or shown.
void RemoveEntryOnly(HINSTANCE instance, const RemovalNames &names) {
    RemovalFacts facts = {};
    facts.registryOnly = true;
    GatherRemovalFacts(instance, names, NULL, &facts);
    const RemovalPlan plan = PlanRemoval(facts);
    const ProgmanConversation none = {0, NULL, NULL};
    InstalledFiles files = {};
    SelfDeleteFiles selfDelete = {"", "", FALSE, false};
    CarryOutRemoval(instance, plan, none, names, &files, &selfDelete);
}

#if defined(TEST_ELEVATION_POSSIBLE) || defined(TEST_ELEVATION_IMPOSSIBLE)
// Test builds only: the facts of Vista or later where the record's write is refused to this
// token, which can be elevated (an administrator's filtered token) or not (User Account Control
// off for a standard user). The elevated copy keeps its own facts.
void PretendRightsOfTestBuild(RemovalRightsFacts *facts) {
    if (facts->elevatedRun)
        return;
#if defined(TEST_ELEVATION_POSSIBLE)
    facts->system = RightsFacts{true, true, ElevationKind::Limited, false, true};
#else
    facts->system = RightsFacts{true, true, ElevationKind::Default, false, false};
#endif
    facts->recordDenied = true;
}
#endif

// True when this process has the rights the plan needs. Otherwise it asked once and its elevated
// copy did the removal, or the user has been told that an administrator must remove the title;
// either way nothing is left for this process to do.
bool HasRightsOrHandsOver(const RemovalPlan &plan, bool elevatedRun, ProgmanConversation *progman) {
    RemovalRightsFacts rights;
    GatherRemovalRightsFacts(plan, elevatedRun, &rights);
#if defined(TEST_ELEVATION_POSSIBLE) || defined(TEST_ELEVATION_IMPOSSIBLE)
    PretendRightsOfTestBuild(&rights);
#endif
    const RightsDecision decision = DecideRemovalRights(rights);
    if (decision == RightsDecision::Proceed)
        return true;
    // The copy holds its own conversation with Program Manager.
    ProgmanDisconnect(progman);
    if (decision == RightsDecision::AskOnce && RunElevatedCopy(plan.ownPath))
        return false;
    ShowStringBox(NULL, IDS_LANG_ADMINISTRATOR_ONLY, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// After Yes (or in the elevated copy): the removal as planned, or the user told why nothing went.
void RemoveAfterYes(HINSTANCE instance, const RemovalNames &names, bool elevatedRun) {
    ProgmanConversation progman = {0, NULL, NULL};
    const bool answered = ProgmanConnect(&progman) != FALSE;
    RemovalFacts facts = {};
    GatherRemovalFacts(instance, names, answered ? &progman : NULL, &facts);
    const RemovalPlan plan = PlanRemoval(facts);
    if (plan.tellNoProgman || plan.tellNotOneInstallation) {
        ProgmanDisconnect(&progman);
        ShowStringBox(NULL,
                      plan.tellNoProgman ? IDS_LANG_NO_PROGMAN : IDS_LANG_NOT_ONE_INSTALLATION,
                      MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!HasRightsOrHandsOver(plan, elevatedRun, &progman))
        return;
    InstalledFiles files = {};
    SelfDeleteFiles selfDelete = {"", "", FALSE, false};
    LocateComponents(plan, &files);
    const RemovalOutcome outcome =
        CarryOutRemoval(instance, plan, progman, names, &files, &selfDelete);
    RestoreReadOnly(files);
    ProgmanDisconnect(&progman);
    const RemovalNotice notice = NoticeFor(plan, outcome);
    if (notice.offset != 0)
        ShowStringBox(NULL, notice.offset, MB_OK | MB_ICONEXCLAMATION, 'P', notice.path);
    // Started last: the batch deletes this program's file once the process has gone.
    if (selfDelete.ready)
        StartSelfDelete(selfDelete.pif, selfDelete.batch, selfDelete.ntFamily);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    char setting[6];
    ReadLanguageSetting(setting, sizeof setting);
    SetStringSource(instance, ChooseUninstallerBlock(ModuleStrings(instance), setting));
    RemovalNames names;
    LoadRemovalNames(&names);
    if (HasRegistrySwitch(commandTail)) {
        RemoveEntryOnly(instance, names);
        return 0;
    }
    // The elevated copy: its first process asked the question and waits for it.
    if (HasElevatedSwitch(commandTail)) {
        RemoveAfterYes(instance, names, true);
        return 0;
    }
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIRM), NULL, ConfirmDlgProc, 0) == 1)
        RemoveAfterYes(instance, names, false);
    return 0;
}
