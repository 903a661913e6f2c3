// The removal itself: the title's Program Manager entries, files, uninstall key and INI record.
#pragma once
#include <windows.h>

#include "progman_client.h"
#include "self_delete.h"

// The four names the removal looks for, loaded from the language block.
struct RemovalNames {
    char group[256];
    char helpItem[256];
    char title[256];
    char uninstallItem[256];
};
void LoadRemovalNames(RemovalNames *names);

constexpr int kComponentCount = 4;

struct Component {
    char path[MAX_PATH];
    HANDLE handle;    // open exclusively (locked) until removed; INVALID_HANDLE_VALUE when not open
    BOOL wasReadOnly; // its read-only attribute was cleared
};

// The uninstaller's own file and folder, and the components found beside it.
struct InstalledFiles {
    char ownPath[MAX_PATH];
    char ownFolder[MAX_PATH];
    Component components[kComponentCount];
};

// The temporary files the removal prepared for deleting the uninstaller after it exits.
struct SelfDeleteFiles {
    char batch[kTempNameCapacity];
    char pif[kTempNameCapacity];
    BOOL ready;
};

// TRUE when the title's items are all the group holds, so the group may go with them.
BOOL TitleOwnsGroup(const ProgmanConversation &progman, const RemovalNames &names);

// Finds the uninstaller's own path and opens (locks) the components beside it.
BOOL LocateComponents(HINSTANCE instance, InstalledFiles *files);
// Program Manager entries, components, the data file and its record, the uninstall key, then the
// self-deletion files. When the title's data file cannot be deleted, its record, the key and the
// uninstaller stay (selfDelete not ready).
void RemoveInstallation(HINSTANCE instance, const ProgmanConversation &progman,
                        const RemovalNames &names, BOOL mayDeleteGroup, InstalledFiles *files,
                        SelfDeleteFiles *selfDelete);
// Every component that survived and was read-only gets the attribute back.
void RestoreReadOnly(const InstalledFiles &files);
BOOL DeleteUninstallKey(const char *name);
