// The uninstaller's strings: the language block, and the names of what it removes.
#pragma once
#include <windows.h>

// The four names the removal looks for, loaded once from the selected block.
struct RemovalNames {
    char group[256];
    char helpItem[256];
    char title[256];
    char uninstallItem[256];
};
extern RemovalNames removalNames;

// Chooses and remembers the block base (100 to 700) whose first string names the built language.
unsigned SelectUninstallLanguage(HINSTANCE instance);
unsigned UninstallLanguageBase();

void LoadRemovalNames(HINSTANCE instance);

// Loads a fixed string (id) or a language string (offset from the selected base).
int LoadUninstallString(HINSTANCE instance, UINT id, char *dst, int capacity);
int LoadUninstallLangString(HINSTANCE instance, UINT offset, char *dst, int capacity);
