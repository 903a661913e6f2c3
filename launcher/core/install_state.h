// The installation state the main dialog shows, read from the setup mode, the install record and
// the data file it names.
#pragma once
#include "../../common/install_record.h"
#include "install_state_rules.h"

// Reads the setup mode and, unless it is SetupNone, the install record and its data file.
InstallState GetInstallState();

// Where this launcher's install record lives; false (place empty) when its names are missing.
bool TitleRecordPlace(InstallRecordPlace *place);

// Puts right what a cut-off Setup left beside the recorded installation's data file and its
// uninstaller (side_files.h): above all, a working data file left under its kept name between
// Setup's two renames takes its own name again, so that the installation still plays.
void RepairRecordedInstallation();

// True when the data file's name is configured and a file (not a folder) exists at path.
bool InstalledDataPresent(const char *path);
