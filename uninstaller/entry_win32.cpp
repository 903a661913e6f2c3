// The uninstaller's entry point: one question, then the removal planned from what it finds, and
// the start of self-deletion.
#include <windows.h>

#include "../common/language_block.h"
#include "../common/message_box.h"
#include "../common/string_source.h"
#include "confirm_dialog.h"
#include "progman_client.h"
#include "removal.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"

static_assert(IDS_LANG_TITLE == kTitleOffset, "the message boxes take the title from its offset");

namespace {
// Blocks 100 to 700, named at their first string and compared exactly; the first by default.
const unsigned kLastBlock = LANG_BLOCK_FIRST + (LANG_BLOCK_COUNT - 1) * LANG_BLOCK_STEP;
const LanguageBlocks kUninstallerBlocks = {LANG_BLOCK_FIRST, LANG_BLOCK_STEP,    LANG_BLOCK_COUNT,
                                           IDS_LANG_NAME,    IDS_BUILT_LANGUAGE, kLastBlock,
                                           LANG_BLOCK_FIRST};

// "/registry": only this installation's uninstall entry goes; nothing is asked or shown.
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

// After Yes: the removal as planned, or, without Program Manager, the user told that nothing went.
void RemoveAfterYes(HINSTANCE instance, const RemovalNames &names) {
    ProgmanConversation progman = {0, NULL, NULL};
    const bool answered = ProgmanConnect(&progman) != FALSE;
    RemovalFacts facts = {};
    GatherRemovalFacts(instance, names, answered ? &progman : NULL, &facts);
    const RemovalPlan plan = PlanRemoval(facts);
    InstalledFiles files = {};
    SelfDeleteFiles selfDelete = {"", "", FALSE, false};
    if (plan.tellNoProgman) {
        ShowStringBox(NULL, IDS_LANG_NO_PROGMAN, MB_OK | MB_ICONEXCLAMATION);
    } else {
        LocateComponents(plan, &files);
        CarryOutRemoval(instance, plan, progman, names, &files, &selfDelete);
        RestoreReadOnly(files);
    }
    ProgmanDisconnect(&progman);
    // Started last: the batch deletes this program's file once the process has gone.
    if (selfDelete.ready)
        StartSelfDelete(selfDelete.pif, selfDelete.batch, selfDelete.ntFamily);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    SetStringSource(instance, ChooseBlockByName(ModuleStrings(instance), kUninstallerBlocks));
    RemovalNames names;
    LoadRemovalNames(&names);
    if (HasRegistrySwitch(commandTail)) {
        RemoveEntryOnly(instance, names);
        return 0;
    }
    if (DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIRM), NULL, ConfirmDlgProc, 0) == 1)
        RemoveAfterYes(instance, names);
    return 0;
}
