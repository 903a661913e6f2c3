// The uninstaller's entry point: one question, then the removal and the start of self-deletion.
#include <windows.h>

#include "../common/language_block.h"
#include "../common/string_source.h"
#include "confirm_dialog.h"
#include "progman_client.h"
#include "removal.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"

static_assert(IDS_LANG_TITLE == kTitleOffset, "the message boxes take the title from its offset");

namespace {
// Blocks 100 to 700, named at their first string and compared exactly.
const LanguageBlocks kUninstallerBlocks = {100, 100, 7, IDS_LANG_NAME, IDS_BUILT_LANGUAGE,
                                           700, 100};
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    SetStringSource(instance, ChooseBlockByName(ModuleStrings(instance), kUninstallerBlocks));
    RemovalNames names;
    LoadRemovalNames(&names);
    if (HasRegistrySwitch(commandTail)) {
        DeleteUninstallKey(names.title);
        return 0;
    }
    INT_PTR answer =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIRM), NULL, ConfirmDlgProc, 0);
    ProgmanConversation progman = {0, NULL, NULL};
    InstalledFiles files = {};
    SelfDeleteFiles selfDelete = {"", "", FALSE};
    if (answer == 1 && ProgmanConnect(&progman)) {
        BOOL mayDeleteGroup = TitleOwnsGroup(progman, names);
        LocateComponents(instance, &files);
        RemoveInstallation(instance, progman, names, mayDeleteGroup, &files, &selfDelete);
    }
    RestoreReadOnly(files);
    ProgmanDisconnect(&progman);
    // Started last: the batch deletes this program's file once the process has gone.
    if (selfDelete.ready)
        StartSelfDelete(selfDelete.pif, selfDelete.batch);
    return 0;
}
