// The uninstaller's entry point: one question, then the removal and the start of self-deletion.
#include <windows.h>

#include "confirm_dialog.h"
#include "progman_client.h"
#include "removal.h"
#include "removal_rules.h"
#include "resources/uninstaller_ids.h"
#include "uninstaller_strings.h"

namespace {

// Counts the title's items in the group; the group may go when they are all it holds.
BOOL TitleOwnsGroup() {
    const RemovalNames &names = removalNames;
    if (!ProgmanGroupExists(names.group))
        return MayDeleteGroup(0, 0);
    long itemCount = 0;
    int found = 0;
    found += ProgmanFindItem(names.group, names.helpItem, &itemCount) ? 1 : 0;
    found += ProgmanFindItem(names.group, names.title, NULL) ? 1 : 0;
    found += ProgmanFindItem(names.group, names.uninstallItem, NULL) ? 1 : 0;
    return MayDeleteGroup(itemCount, found);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    SelectUninstallLanguage(instance);
    LoadRemovalNames(instance);
    if (HasRegistrySwitch(commandTail)) {
        DeleteUninstallKey(removalNames.title);
        return 0;
    }
    INT_PTR answer =
        DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONFIRM), NULL, ConfirmDlgProc, 0);
    SelfDeleteFiles selfDelete = {"", "", FALSE};
    if (answer == 1 && ProgmanConnect()) {
        BOOL mayDeleteGroup = TitleOwnsGroup();
        LocateComponents(instance);
        RemoveInstallation(instance, mayDeleteGroup, &selfDelete);
    }
    RestoreReadOnly();
    ProgmanDisconnect();
    // Started last: the batch deletes this program's file once the process has gone.
    if (selfDelete.ready)
        StartSelfDelete(selfDelete.pif, selfDelete.batch);
    return 0;
}
