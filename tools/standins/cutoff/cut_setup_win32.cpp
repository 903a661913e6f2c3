// Test program: Setup's install into the default folder, from the title found as Setup finds it,
// ended at a chosen instant by TerminateProcess of itself.
//   CUTSETUP.EXE N      ends before install step N (0 to 7), or after the last step when N is 8
//   CUTSETUP.EXE copy   ends after the copy's first chunk
//   CUTSETUP.EXE        the whole install
// Exit code 0 when installed, 1 when not.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "common/string_source.h"
#include "common/text.h"
#include "launcher/core/language_setting.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install.h"
#include "launcher/setup/install_facts.h"
#include "launcher/setup/install_folder.h"
#include "launcher/syscheck/title_disc.h"

namespace {
int gCutBefore = -1; // the step before which the process ends
bool gCutInCopy = false;
unsigned gProgressSent = 0;

void End() {
    TerminateProcess(GetCurrentProcess(), 3);
}

template <int step> bool CutStep(InstallRun &run) {
    if (gCutBefore == step)
        End();
    const bool done = RealInstallSteps().run[step](run);
    if (gCutBefore == kInstallSteps && step == kInstallSteps - 1)
        End(); // after the record, before the earlier files kept aside are deleted
    return done;
}

// The first message is 0; the next one comes once the first chunk is written.
void CutProgress(void *, unsigned) {
    if (gCutInCopy && ++gProgressSent == 2)
        End();
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    SetStringSource(instance, SelectLanguageBase(instance));
    if (std::strcmp(commandLine, "copy") == 0)
        gCutInCopy = true;
    else if (commandLine[0] != '\0')
        gCutBefore = std::atoi(commandLine);

    // The facts as the Setup command gathers them after its dialog.
    InstallFacts facts = {};
    const TitleLocation title = LookForTitle();
    facts.titleFound = title.drive != kTitleNotFound;
    char stored[256], name[256], folder[kInstallFolderCapacity];
    LoadFixedString(IDS_DISC_DATA, stored, sizeof stored);
    LoadFixedString(IDS_UNINSTALLER, name, sizeof name);
    ResolveDiscPath(stored, title, facts.dataSource, sizeof facts.dataSource);
    ResolveDiscFile(name, title, facts.uninstallerSource, sizeof facts.uninstallerSource);
    GatherInstallFacts(&facts);
    LoadLangString(LANG_DEFAULT_FOLDER, folder, sizeof folder);
    InstallChoice choice = {};
    MakeFolderCanonical(folder, choice.folder, sizeof choice.folder);

    const InstallSteps steps = {{CutStep<0>, CutStep<1>, CutStep<2>, CutStep<3>, CutStep<4>,
                                 CutStep<5>, CutStep<6>, CutStep<7>}};
    static_assert(kInstallSteps == 8, "one cut before each step");
    const InstallOutcome outcome =
        CarryOutInstall(PlanInstall(choice, facts), ProgressSink{CutProgress, nullptr}, steps);
    return outcome.installed ? 0 : 1;
}
