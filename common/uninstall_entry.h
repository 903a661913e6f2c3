// Reading, writing and deleting the uninstall entry under HKEY_LOCAL_MACHINE.
#pragma once
#include "uninstall_key.h"

// The entry under the key named `keyName` (the display name the launcher registers it under).
EntryRead ReadUninstallEntry(const char *keyName, UninstallEntry *entry);

// Creates or opens the key and writes both values; false when any call failed (a value already
// written stays: the caller puts back what was there).
bool WriteUninstallEntry(const char *keyName, const UninstallEntry &entry);

// Deletes the key; false when it is still there (no rights, or subkeys of someone else's).
bool DeleteUninstallEntry(const char *keyName);
