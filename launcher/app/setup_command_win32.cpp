// The main dialog's Setup command: the Setup dialog, then the install planned from facts gathered
// afresh, ready to be carried out with its progress in the picture, and its outcome's text.
#include "setup_command.h"

#include "../../common/lang_dialog.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../resources/resource_ids.h"
#include "../setup/drive_space.h"
#include "../setup/install_facts.h"
#include "../setup/install_folder.h"
#include "../setup/setup_dialog.h"
#include "install_status.h"

void TakeTitleSources(const TitleLocation &title, InstallFacts *facts) {
    facts->titleFound = title.drive != kTitleNotFound;
    char stored[256], name[256];
    LoadFixedString(IDS_DISC_DATA, stored, sizeof stored);
    LoadFixedString(IDS_UNINSTALLER, name, sizeof name);
    ResolveDiscPath(stored, title, facts->dataSource, sizeof facts->dataSource);
    ResolveDiscFile(name, title, facts->uninstallerSource, sizeof facts->uninstallerSource);
}

bool PrepareInstall(HWND mainDialog, const LaunchOptions &options, InstallWorker *worker,
                    UINT *text) {
    *text = 0;
    RightsFacts rights = options.rights;
    if (!options.rightsGiven)
        GatherRightsFacts(&rights);
    const RightsForSetup decision = DecideSetupRights(rights);
    // The dialog's own facts, for its space lines: the Setup dialog does not ask for the disc.
    InstallFacts shown = {};
    TakeTitleSources(LookForTitle(), &shown);
    GatherInstallFacts(&shown);
    SetupDialogData setup = {&shown, "", {}, decision == SetupAsksOnce};
    if (RunLangDialog(InstanceOf(mainDialog), IDD_SETUP, mainDialog, SetupDlgProc,
                      reinterpret_cast<LPARAM>(&setup)) == 0)
        return false;
    // The install's facts are read now, not before the dialog: while it was open the disc may have
    // gone, or an uninstaller may have removed the earlier installation the undo would restore.
    // The disc is asked for only now that the user wants to install.
    InstallFacts facts = {};
    TakeTitleSources(LocateTitle(mainDialog), &facts);
    GatherInstallFacts(&facts);
    InstallChoice choice = {};
    // A folder that cannot be made canonical stays empty: the plan refuses it.
    MakeFolderCanonical(setup.folder, choice.folder, sizeof choice.folder);
    worker->plan = PlanInstall(choice, facts);
    if (worker->plan.refusal != InstallAccepted) {
        *text = InstallStatusText(InstallOutcome{false, worker->plan.refusal, kInstallSteps, false},
                                  HandOffNone, IsNtFamily());
        return false;
    }
    if (decision == SetupRefused) {
        *text = LANG_ELEVATION_IMPOSSIBLE;
        return false;
    }
    // Refused before the prompt: the elevated launcher could not see the folder.
    char root[4];
    DriveRootOf(choice.folder, root, sizeof root);
    if (decision == SetupAsksOnce && !SeenByElevatedLauncher(GetDriveTypeA(root))) {
        *text = LANG_ELEVATION_NETWORK_DRIVE;
        return false;
    }
    worker->dialog = mainDialog;
    worker->handOff = decision == SetupAsksOnce;
    worker->pausePerChunk = options.pausePerChunk;
    return true;
}
