// The uninstaller's decisions on what it may remove: the group, what belongs to its own
// installation, the start-up switch.
#pragma once
#include <cstddef>

#include "../common/install_record.h"
#include "../common/uninstall_key.h"
#include "progman_replies.h"

// The group may go when its item count equals the number of the title's names found in it.
bool MayDeleteGroup(long itemCount, int found);

// Before the group goes, a second look at its contents must show it empty: the first count may
// have been missing, or the user may have added an item since.
bool GroupEmptyOnRecheck(const ItemCount &recheck);

// True when the install record's data file lies in the uninstaller's own folder (both paths
// normalised, letter case ignored): the record is this installation's, not another's.
bool RecordBelongsHere(const char *recordValue, const char *ownPath);

// True when the uninstall entry's command (in quotes or not) names this uninstaller.
bool EntryNamesUninstaller(const char *command, const char *ownPath);

// The record and the entry are this installation's when read whole and they name its folder and
// its uninstaller: by their text, or by the system's identity of the folder and the file they
// name (`byIdentity`), which also knows a folder reached through another spelling (a substitute
// drive, a junction). Without an own path nothing is ours.
bool RecordIsOurs(RecordRead record, const char *value, bool byIdentity, const char *ownPath);
bool EntryIsOurs(EntryRead entry, const char *command, bool byIdentity, const char *ownPath);

// True when the command-line tail holds "/registry" anywhere (case-sensitive).
bool HasRegistrySwitch(const char *commandTail);
