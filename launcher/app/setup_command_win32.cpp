// The main dialog's Setup command: the Setup dialog, then the install planned from facts gathered
// afresh, carried out with its progress in the picture, and its outcome in the status line.
#include "setup_command.h"

#include "../../common/lang_dialog.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../resources/resource_ids.h"
#include "../setup/install.h"
#include "../setup/install_facts.h"
#include "../setup/install_folder.h"
#include "../setup/install_outcome.h"
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
    const UINT text = InstallOutcomeText(outcome, IsNtFamily());
    if (text == 0)
        return; // the user gave up looking for the disc: nothing changed, nothing to say
    ShowStatus(mainDialog, text);
    if (outcome.installed) {
        HWND play = GetDlgItem(mainDialog, IDC_PLAY);
        EnableWindow(play, TRUE);
        SetFocus(play);
        return;
    }
    // Play keeps the state it had; the text shows also where the dialog hid its status line.
    ShowWindow(GetDlgItem(mainDialog, IDC_STATUS), SW_SHOW);
}

} // namespace

void RunSetupCommand(HWND mainDialog) {
    // The dialog's own facts, for its space lines: the Setup dialog does not ask for the disc.
    InstallFacts shown = {};
    TakeSources(LookForTitle(), &shown);
    GatherInstallFacts(&shown);
    SetupDialogData setup = {&shown, "", {}};
    if (RunLangDialog(InstanceOf(mainDialog), IDD_SETUP, mainDialog, SetupDlgProc,
                      reinterpret_cast<LPARAM>(&setup)) == 0)
        return;
    // The install's facts are read now, not before the dialog: while it was open the disc may have
    // gone, or an uninstaller may have removed the earlier installation the undo would restore.
    // The disc is asked for only now that the user wants to install.
    InstallFacts facts = {};
    TakeSources(LocateTitle(mainDialog), &facts);
    GatherInstallFacts(&facts);
    InstallChoice choice = {};
    // A folder that cannot be made canonical stays empty: the plan refuses it.
    MakeFolderCanonical(setup.folder, choice.folder, sizeof choice.folder);
    const InstallPlan plan = PlanInstall(choice, facts);
    if (plan.refusal == InstallAccepted) {
        ShowStatus(mainDialog, LANG_COPYING);
        InvalidateRect(mainDialog, NULL, FALSE);
        UpdateWindow(mainDialog);
    }
    const ProgressSink progress = {SendProgress, mainDialog};
    PresentOutcome(mainDialog, CarryOutInstall(plan, progress));
}
