// The title's entry in Windows' list of removable programs: where it lives and what it holds.
#pragma once
#include <cstddef>

#define UNINSTALL_KEY_PARENT "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"

// The launcher writes at most a quoted MAX_PATH command; a read keeps up to 1,023 characters of
// either value, so that a longer foreign one is seen as such rather than cut.
const size_t kEntryTextCapacity = 1024;
const size_t kEntryPathCapacity = 264; // a MAX_PATH path and ",0"
const size_t kEntryShortCapacity = 64;

// The entry's values. Peers rely on "DisplayName" and "UninstallString" (the two the uninstaller
// reads back); the others are what Windows' list of programs shows: "DisplayIcon" (the
// uninstaller's own icon, "path,0"), "DisplayVersion", "Publisher", "InstallLocation" and
// "EstimatedSize" (KB, a REG_DWORD), with "NoModify" and "NoRepair" 1 (REG_DWORD), as the entry
// offers no way to change or repair the installation.
struct UninstallEntry {
    char displayName[kEntryTextCapacity];
    char command[kEntryTextCapacity];
    char displayIcon[kEntryPathCapacity];
    char displayVersion[kEntryShortCapacity];
    char publisher[kEntryShortCapacity];
    char installLocation[kEntryPathCapacity];
    unsigned long estimatedKb;
};

enum EntryRead {
    EntryAbsent,     // no such key
    EntryFound,      // both values read whole (a missing value reads as empty)
    EntryUnreadable, // a value too long or not text: nothing could be restored from it
};

// Writes the parent path, a backslash and the display name into dst. Returns false (dst empty)
// when the name is empty or the whole path does not fit: either would name another key.
bool BuildUninstallKeyPath(const char *displayName, char *dst, size_t capacity);
