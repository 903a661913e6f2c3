// Setup's rights: whether the install may go ahead with the rights the launcher has, must ask
// once for an administrator's rights, or cannot get them; and what passes between the launcher
// and the elevated launcher it starts (its command line, its exit code).
#pragma once
#include <cstddef>
#include <cstdint>

#include "../setup/install.h"

// The token's elevation type as the system reports it (the values of TOKEN_ELEVATION_TYPE).
enum TokenKind {
    TokenKindUnknown = 0, // not reported: no elevation on this system, or the query failed
    TokenKindDefault = 1, // one token: a standard user, or anyone while UAC is off
    TokenKindFull = 2,    // an administrator's split token, elevated
    TokenKindLimited = 3, // an administrator's split token, not elevated
};

// What the system says about the launcher's rights, gathered before the Setup dialog opens.
struct RightsFacts {
    bool ntFamily;        // false on 95, 98 and ME: no rights at all
    bool elevationExists; // Vista and later: the token reports its elevation
    bool elevated;        // the token has an administrator's full rights
    TokenKind type;
    bool uacOn; // User Account Control is on (the EnableLUA policy; on when not set)
};

enum RightsDecision {
    RightsProceed, // install here: the launcher has the rights, or the system has no elevation
    RightsAsk,     // hand the install to an elevated launcher, after one prompt
    RightsRefuse,  // no way to the rights: a standard user while UAC is off
};
RightsDecision DecideRights(const RightsFacts &facts);

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
