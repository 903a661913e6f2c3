// The main dialog's Setup command: the Setup dialog, then the install planned from what was
// gathered, ready to be carried out with its progress in the picture, and its outcome's text.
#pragma once
#include <windows.h>

#include "../setup/install_plan.h"
#include "../syscheck/title_disc.h"
#include "install_worker.h"
#include "launch_options.h"

// Runs the Setup dialog. When the user pressed its Setup button and the install can go ahead,
// fills `worker` (plan, and whether an elevated launcher carries it out) and returns true: the
// caller starts it. Otherwise nothing was changed; `text` is then the status line's text saying
// why (a language offset), or 0 when there is nothing to say.
bool PrepareInstall(HWND mainDialog, const LaunchOptions &options, InstallWorker *worker,
                    UINT *text);

// Where the title's data file and uninstaller are read from, for the title found there.
void TakeTitleSources(const TitleLocation &title, InstallFacts *facts);
