// Test program: the uninstaller's removal after Yes (without the question), run from the install
// folder under the uninstaller's name, ended at a chosen instant by TerminateProcess of itself.
//   brindd95.exe N       ends before removal step N of its plan, or, when N is the plan's step
//                        count, after the last step, before the self-deletion batch is started
//   brindd95.exe take N  before step N, gives the record and the entry to another installation
//                        (C:\TWL\OTHER), as a Setup run meanwhile would, and goes on
// Exit code 0 when the removal ran to its end, 2 without Program Manager.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "common/language_block.h"
#include "common/install_record_file.h"
#include "common/string_source.h"
#include "common/text.h"
#include "common/uninstall_entry.h"
#include "uninstaller/progman_client.h"
#include "uninstaller/removal.h"
#include "uninstaller/resources/uninstaller_ids.h"

namespace {
struct Cut {
    int before;
    bool takeOver; // instead of ending there
    const RemovalFacts *facts;
};

void End() {
    TerminateProcess(GetCurrentProcess(), 3);
}

void BeforeStep(void *context, int index) {
    const Cut &cut = *static_cast<const Cut *>(context);
    if (index != cut.before)
        return;
    if (!cut.takeOver)
        End();
    WriteInstallRecord(cut.facts->recordPlace, "C:\\TWL\\OTHER\\BRINDMOR.QKT");
    UninstallEntry entry = {};
    CopyText(entry.displayName, sizeof entry.displayName, cut.facts->entryKey);
    CopyText(entry.command, sizeof entry.command, "C:\\TWL\\OTHER\\brindd95.exe");
    bool created = false;
    WriteUninstallEntry(cut.facts->entryKey, entry, &created);
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const unsigned lastBlock = LANG_BLOCK_FIRST + (LANG_BLOCK_COUNT - 1) * LANG_BLOCK_STEP;
    const LanguageBlocks blocks = {LANG_BLOCK_FIRST, LANG_BLOCK_STEP,    LANG_BLOCK_COUNT,
                                   IDS_LANG_NAME,    IDS_BUILT_LANGUAGE, lastBlock,
                                   LANG_BLOCK_FIRST};
    SetStringSource(instance, ChooseBlockByName(ModuleStrings(instance), blocks));
    const bool takeOver = std::strncmp(commandLine, "take ", 5) == 0;
    RemovalNames names;
    LoadRemovalNames(&names);
    ProgmanConversation progman = {0, NULL, NULL};
    if (!ProgmanConnect(&progman))
        return 2;
    RemovalFacts facts = {};
    GatherRemovalFacts(instance, names, &progman, &facts);
    Cut cut = {std::atoi(takeOver ? commandLine + 5 : commandLine), takeOver, &facts};
    const RemovalPlan plan = PlanRemoval(facts);
    InstalledFiles files = {};
    SelfDeleteFiles selfDelete = {"", "", FALSE, false};
    LocateComponents(plan, &files);
    CarryOutRemoval(instance, plan, progman, names, &files, &selfDelete,
                    RemovalWatch{BeforeStep, &cut});
    RestoreReadOnly(files);
    ProgmanDisconnect(&progman);
    if (!takeOver && cut.before == plan.count)
        End();
    if (selfDelete.ready)
        StartSelfDelete(selfDelete.pif, selfDelete.batch, selfDelete.ntFamily);
    return 0;
}
