// The title's installation state as a decision over the setup mode text and the install record.
#pragma once

enum InstallState {
    SetupNone = 0,
    SetupOptional = 1,
    SetupRequired = 2,
    SetupComplete = 3,
    SetupIncomplete = 4,
};

// The setup mode named by a mode text ("Setup:Required" and so on, exact letter case); SetupNone
// for any text it does not recognise.
InstallState SetupModeFromText(const char *modeText);

// The state for a mode text, whether an installation is recorded, and whether its data file
// exists. A mode of SetupNone never looks at the record.
InstallState DecideInstallState(const char *modeText, bool recorded, bool filePresent);
