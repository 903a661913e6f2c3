// The main dialog's Setup command: the Setup dialog, then the install planned from what was
// gathered, carried out with its progress in the picture, and its outcome in the status line.
#include "setup_command.h"

#include "../../common/lang_dialog.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../resources/resource_ids.h"
#include "../setup/install.h"
#include "../setup/install_facts.h"
#include "../setup/setup_dialog.h"
#include "../syscheck/title_disc.h"
#include "../ui/main_picture.h"

namespace {

// Where the title's data file and uninstaller are read from.
void TakeSources(const TitleLocation &title, InstallFacts *facts) {
    facts->titleFound = title.drive != kTitleNotFound;
    char stored[256], name[256];
    LoadFixedString(IDS_DISC_DATA, stored, sizeof stored);
    LoadFixedString(IDS_UNINSTALLER, name, sizeof name);
    ResolveDiscPath(stored, title, facts->dataSource, sizeof facts->dataSource);
    ResolveDiscFile(name, title, facts->uninstallerSource, sizeof facts->uninstallerSource);
}

void SendProgress(void *context, unsigned percent) {
    SendMessageA(static_cast<HWND>(context), WM_INSTALLPROGRESS, percent, 0);
}

void ShowStatus(HWND mainDialog, UINT offset) {
    SetDlgItemTextFromLang(mainDialog, IDC_STATUS, offset);
}

void PresentOutcome(HWND mainDialog, const InstallOutcome &outcome) {
    if (outcome.installed) {
        ShowStatus(mainDialog, LANG_READY);
        HWND play = GetDlgItem(mainDialog, IDC_PLAY);
        EnableWindow(play, TRUE);
        SetFocus(play);
        return;
    }
    if (outcome.refusal == RefusedNoTitle)
        return; // the user gave up looking for the disc: nothing changed, nothing to say
    // Play keeps the state it had; the text shows also where the dialog hid its status line.
    ShowStatus(mainDialog,
               outcome.refusal == RefusedSourceSize ? LANG_INSTALL_TOO_LARGE : LANG_INSTALL_FAILED);
    ShowWindow(GetDlgItem(mainDialog, IDC_STATUS), SW_SHOW);
}

} // namespace

void RunSetupCommand(HWND mainDialog) {
    InstallFacts facts = {};
    TakeSources(LookForTitle(), &facts); // the Setup dialog does not ask for the disc
    GatherInstallFacts(&facts);
    SetupDialogData setup = {&facts, "", {}};
    if (RunLangDialog(InstanceOf(mainDialog), IDD_SETUP, mainDialog, SetupDlgProc,
                      reinterpret_cast<LPARAM>(&setup)) == 0)
        return;
    if (!facts.titleFound) { // asked for only now that the user wants to install
        TakeSources(LocateTitle(mainDialog), &facts);
        GatherInstallFacts(&facts);
    }
    InstallChoice choice = {};
    CopyText(choice.folder, sizeof choice.folder, setup.folder);
    const InstallPlan plan = PlanInstall(choice, facts);
    if (plan.refusal == InstallAccepted) {
        ShowStatus(mainDialog, LANG_COPYING);
        InvalidateRect(mainDialog, NULL, FALSE);
        UpdateWindow(mainDialog);
    }
    const ProgressSink progress = {SendProgress, mainDialog};
    PresentOutcome(mainDialog, CarryOutInstall(plan, progress));
}
