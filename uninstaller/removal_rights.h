// Whether the removal may go ahead with the rights the uninstaller has, must ask once for more,
// or must be refused: decided before anything is changed.
#pragma once
#include "../common/rights_facts.h"

struct RemovalRightsFacts {
    RightsFacts system;
    bool elevatedRun; // started by an uninstaller that asked for the rights: it never asks again
    // Steps of the plan that this token would be refused for want of rights.
    bool recordDenied;      // the record in the Windows directory
    bool entryDenied;       // the uninstall entry under HKEY_LOCAL_MACHINE
    bool dataFileDenied;    // the data file
    bool uninstallerDenied; // the uninstaller's file the removal deletes
    bool folderDenied;      // the install folder
};

enum class RightsDecision {
    Proceed, // nothing is refused, or asking would not help: the removal runs as it is
    AskOnce, // elevation is possible: one prompt, and the elevated copy removes
    Refuse,  // an administrator must remove the title: nothing is changed
};

// On the 9x family there are no rights. Elsewhere a plan whose steps are all allowed proceeds, and
// so does the elevated copy (it asked already) and an elevated token (more rights cannot be had:
// a step that fails stops the removal and says so). A refused step asks once where elevation is
// possible, and is refused otherwise (a limited user before Vista, User Account Control off).
RightsDecision DecideRemovalRights(const RemovalRightsFacts &facts);

// True when a command-line tail holds the switch with which the uninstaller starts its elevated
// copy: "/elevated" as a word of its own, in this capitalisation.
bool HasElevatedSwitch(const char *commandTail);

#define ELEVATED_SWITCH "/elevated"
