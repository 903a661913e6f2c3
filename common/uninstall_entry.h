// Reading, writing and deleting the uninstall entry under HKEY_LOCAL_MACHINE, and keeping its
// earlier values so that an install can put them back exactly.
#pragma once
#include "entry_snapshot.h"
#include "uninstall_key.h"

// The two values peers rely on ("DisplayName", "UninstallString") under the key named `keyName`
// (the display name the launcher registers it under).
EntryRead ReadUninstallEntry(const char *keyName, UninstallEntry *entry);

// Every value of the key, raw: EntryAbsent when there is no key, EntryUnreadable when it could not
// be read or passes the snapshot's room (the snapshot is then empty).
EntryRead SnapshotUninstallEntry(const char *keyName, EntrySnapshot *snapshot);

// Creates or opens the key and writes every value; *created says whether this call made the key.
// False when any call failed, with the system's error as the thread's last error (a value
// already written stays: the caller puts back what was there).
bool WriteUninstallEntry(const char *keyName, const UninstallEntry &entry, bool *created);

// Undoes WriteUninstallEntry: a key it created is deleted; otherwise each value of the snapshot
// is written back byte for byte and every other value deleted. False when a call failed.
bool RestoreUninstallEntry(const char *keyName, const EntrySnapshot &before, bool created);

// Deletes the key; false when it is still there (no rights, or subkeys of someone else's).
bool DeleteUninstallEntry(const char *keyName);
