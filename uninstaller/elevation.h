// The uninstaller's rights on the machine: which steps of a removal its token would be refused,
// and its elevated copy.
#pragma once
#include "removal_plan.h"
#include "removal_rights.h"

// The system's rights facts, and for each step of the plan whose target exists whether this token
// would be refused access for want of rights (a file in use is not refused for rights).
void GatherRemovalRightsFacts(const RemovalPlan &plan, bool elevatedRun, RemovalRightsFacts *facts);

// Starts this program's own file again through the system's elevation prompt (the verb "runas")
// with the switch that tells it the question was answered, and waits for it to end. False when
// the prompt was declined or the copy could not be started: then nothing has changed.
bool RunElevatedCopy(const char *ownPath);
