// The title's entry in Windows' list of removable programs: where it lives and what it holds.
#pragma once
#include <cstddef>

#define UNINSTALL_KEY_PARENT "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"

// The launcher writes at most a quoted MAX_PATH command; a read keeps up to 1,023 characters of
// either value, so that an entry can be put back as it was.
const size_t kEntryTextCapacity = 1024;

// The entry's two values, "DisplayName" and "UninstallString".
struct UninstallEntry {
    char displayName[kEntryTextCapacity];
    char command[kEntryTextCapacity];
};

enum EntryRead {
    EntryAbsent,     // no such key
    EntryFound,      // both values read whole (a missing value reads as empty)
    EntryUnreadable, // a value too long or not text: nothing could be restored from it
};

// Writes the parent path, a backslash and the display name into dst. Returns false (dst empty)
// when the name is empty or the whole path does not fit: either would name another key.
bool BuildUninstallKeyPath(const char *displayName, char *dst, size_t capacity);
