// The removal itself: the title's Program Manager entries, files, uninstall key and INI record.
#pragma once
#include <windows.h>

#include "self_delete.h"

constexpr int kComponentCount = 4;

struct Component {
    char path[MAX_PATH];
    HFILE handle;     // open exclusively (locked) until removed; HFILE_ERROR when not open
    BOOL wasReadOnly; // its read-only attribute was cleared
};

// The uninstaller's own file and folder, and the components found beside it.
struct InstalledFiles {
    char ownPath[MAX_PATH];
    char ownFolder[MAX_PATH];
    Component components[kComponentCount];
    BOOL ownWasReadOnly;
};
extern InstalledFiles installedFiles;

// The temporary files the removal prepared for deleting the uninstaller after it exits.
struct SelfDeleteFiles {
    char batch[kTempNameCapacity];
    char pif[kTempNameCapacity];
    BOOL ready;
};

BOOL LocateComponents(HINSTANCE instance);
// Closes an open component and deletes its file; an unopened one (HFILE_ERROR) is left alone.
void CloseAndDelete(const char *path, HFILE handle);
// Program Manager entries, components, the data file and its record, the uninstall key, then the
// self-deletion files. When the title's data file cannot be deleted, its record, the key and the
// uninstaller stay (selfDelete not ready).
void RemoveInstallation(HINSTANCE instance, BOOL mayDeleteGroup, SelfDeleteFiles *selfDelete);
void RestoreReadOnly();
BOOL DeleteUninstallKey(const char *name);
// The "Install" record; FALSE (value empty) when there is none or it does not fit the value.
BOOL ReadInstallEntry(HINSTANCE instance, char *value, int capacity);
void RemoveIniSection(HINSTANCE instance);
