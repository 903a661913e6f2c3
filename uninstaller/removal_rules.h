// The uninstaller's decisions on what it may remove: the group, the data file, the start-up switch.
#pragma once
#include <cstddef>

#include "progman_replies.h"

// The group may go when its item count equals the number of the title's names found in it.
bool MayDeleteGroup(long itemCount, int found);

// Before the group goes, a second look at its contents must show it empty: the first count may
// have been missing, or the user may have added an item since.
bool GroupEmptyOnRecheck(const ItemCount &recheck);

// True when the file named by the install record is the title's data file (its name equals
// dataFileName, ignoring case); another file named there is not ours to delete.
bool NamesTitleDataFile(const char *path, const char *dataFileName);

// True when the command-line tail holds "/registry" anywhere (case-sensitive).
bool HasRegistrySwitch(const char *commandTail);
