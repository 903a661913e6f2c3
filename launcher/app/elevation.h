// Setup's rights: whether the install may go ahead with the rights the launcher has, must ask
// once for an administrator's rights, or cannot get them; and what passes between the launcher
// and the elevated launcher it starts (its command line, its exit code).
#pragma once
#include <cstddef>
#include <cstdint>

#include "../../common/rights_facts.h"
#include "../setup/install.h"

enum RightsForSetup {
    SetupProceeds, // install here: the launcher has the rights, or the system has no elevation
    SetupAsksOnce, // hand the install to an elevated launcher, after one prompt
    SetupRefused,  // no way to the rights: not elevated while UAC is off
};
// From the facts both programs gather (common/rights_facts.h): the install always writes to the
// Windows directory and HKEY_LOCAL_MACHINE, so it needs an administrator's rights wherever the
// system has elevation.
RightsForSetup DecideSetupRights(const RightsFacts &facts);

// Whether an elevated launcher sees a folder on a drive of this type (GetDriveTypeA's value): a
// network drive is mapped in the user's own session only, and an unknown root is nothing it
// could check.
bool SeenByElevatedLauncher(unsigned driveType);

// How the hand-off to an elevated launcher went.
enum HandOffResult {
    HandOffNone,     // installed here: no elevated launcher was involved
    HandOffRan,      // the elevated launcher ran and its exit code gave the install's outcome
    HandOffDeclined, // the prompt was declined: nothing changed
    HandOffFailed,   // it could not be started, or ended without an outcome of ours
};

// The elevated launcher's command line (after the program): the switch, the install folder in
// double quotes, and the main window to report to as a decimal number.
const char kElevatedSwitch[] = "/elevated-install";
// False when the folder holds a double quote or a control character, or the line does not fit.
bool BuildElevatedArguments(const char *folder, uint64_t window, char *dst, size_t capacity);

// True when the command line asks for an elevated install (it begins with the switch), whatever
// follows: such a launcher never shows its main window.
bool IsElevatedRequest(const char *commandLine);

struct ElevatedRequest {
    char folder[kInstallFolderCapacity];
    uint64_t window;
};
// True for exactly the switch, one quoted folder that fits and a number, separated by blanks.
bool ParseElevatedArguments(const char *commandLine, ElevatedRequest *request);

// The elevated launcher's exit code for its outcome, and the outcome read back from it. A code
// that none of ours is (the process was ended, or crashed) reads as a failure with no step.
const uint32_t kElevatedBadRequest = 0xB502; // a command line the elevated launcher refused
uint32_t ElevatedExitCode(const InstallOutcome &outcome);
InstallOutcome OutcomeOfElevatedExit(uint32_t code);
