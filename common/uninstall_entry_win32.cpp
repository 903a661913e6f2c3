// Reading, writing and deleting the uninstall entry under HKEY_LOCAL_MACHINE.
#include "uninstall_entry.h"

#include <windows.h>

#include "text.h"

namespace {
bool SetText(HKEY key, const char *name, const char *text) {
    DWORD size = DWORD(TextLength(text) + 1); // stored with its terminating zero
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text), size) ==
           ERROR_SUCCESS;
}

// A REG_SZ value into dst; a missing value reads as empty. False when it is not text or too long.
bool GetText(HKEY key, const char *name, char *dst, size_t capacity) {
    dst[0] = '\0';
    DWORD type = 0, size = DWORD(capacity - 1);
    const LONG result =
        RegQueryValueExA(key, name, NULL, &type, reinterpret_cast<BYTE *>(dst), &size);
    if (result == ERROR_FILE_NOT_FOUND)
        return true;
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return false;
    dst[size < capacity ? size : capacity - 1] = '\0'; // registry data need not be terminated
    return true;
}
} // namespace

EntryRead ReadUninstallEntry(const char *keyName, UninstallEntry *entry) {
    entry->displayName[0] = '\0';
    entry->command[0] = '\0';
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return EntryAbsent;
    HKEY key = NULL;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return opened == ERROR_FILE_NOT_FOUND ? EntryAbsent : EntryUnreadable;
    const bool whole = GetText(key, "DisplayName", entry->displayName, sizeof entry->displayName) &&
                       GetText(key, "UninstallString", entry->command, sizeof entry->command);
    RegCloseKey(key);
    return whole ? EntryFound : EntryUnreadable;
}

bool WriteUninstallEntry(const char *keyName, const UninstallEntry &entry) {
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return false;
    HKEY key = NULL;
    DWORD disposition = 0;
    char noClass[1] = "";
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, noClass, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, NULL, &key, &disposition) != ERROR_SUCCESS)
        return false;
    const bool written = SetText(key, "DisplayName", entry.displayName) &&
                         SetText(key, "UninstallString", entry.command);
    RegCloseKey(key);
    return written;
}

bool DeleteUninstallEntry(const char *keyName) {
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return false;
    const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
