// The registry path of the title's entry in Windows' list of removable programs.
#pragma once
#include <cstddef>

#define UNINSTALL_KEY_PARENT "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"

// Writes the parent path, a backslash and the display name into dst. Returns false (dst empty)
// when the name is empty or the whole path does not fit: either would name another key.
bool BuildUninstallKeyPath(const char *displayName, char *dst, size_t capacity);
