// Reading, writing and deleting the uninstall entry under HKEY_LOCAL_MACHINE, and keeping its
// earlier values so that an install can put them back exactly.
#include "uninstall_entry.h"

#include <windows.h>

#include "text.h"

namespace {
LONG SetText(HKEY key, const char *name, const char *text) {
    DWORD size = DWORD(TextLength(text) + 1); // stored with its terminating zero
    return RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text), size);
}

LONG SetNumber(HKEY key, const char *name, DWORD number) {
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&number),
                          sizeof number);
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

// Every value of the open key into the snapshot; false when one does not fit or a read failed.
bool ReadValues(HKEY key, EntrySnapshot *snapshot) {
    for (DWORD index = 0;; ++index) {
        char name[kSnapshotNameCapacity];
        unsigned char data[kSnapshotBytes];
        DWORD nameLength = sizeof name, type = 0, size = sizeof data;
        const LONG result = RegEnumValueA(key, index, name, &nameLength, NULL, &type, data, &size);
        if (result == ERROR_NO_MORE_ITEMS)
            return true;
        if (result != ERROR_SUCCESS || !AddSnapshotValue(snapshot, name, type, data, size))
            return false;
    }
}

// Deletes every value of the open key that the snapshot does not hold. The enumeration goes from
// the last index down, so that a deletion does not move a value not yet looked at.
bool DeleteValuesNotIn(HKEY key, const EntrySnapshot &before) {
    DWORD count = 0;
    if (RegQueryInfoKeyA(key, NULL, NULL, NULL, NULL, NULL, NULL, &count, NULL, NULL, NULL, NULL) !=
        ERROR_SUCCESS)
        return false;
    bool whole = true;
    for (DWORD index = count; index > 0; --index) {
        char name[kSnapshotNameCapacity];
        DWORD nameLength = sizeof name;
        const LONG result =
            RegEnumValueA(key, index - 1, name, &nameLength, NULL, NULL, NULL, NULL);
        if (result == ERROR_SUCCESS && !SnapshotHasValue(before, name))
            whole = RegDeleteValueA(key, name) == ERROR_SUCCESS && whole;
        else if (result != ERROR_SUCCESS)
            whole = false; // a name longer than any we write is someone else's: it stays
    }
    return whole;
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

EntryRead SnapshotUninstallEntry(const char *keyName, EntrySnapshot *snapshot) {
    ClearSnapshot(snapshot);
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return EntryAbsent;
    HKEY key = NULL;
    const LONG opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE, &key);
    if (opened != ERROR_SUCCESS)
        return opened == ERROR_FILE_NOT_FOUND ? EntryAbsent : EntryUnreadable;
    const bool whole = ReadValues(key, snapshot);
    RegCloseKey(key);
    if (whole)
        return EntryFound;
    ClearSnapshot(snapshot);
    return EntryUnreadable;
}

bool WriteUninstallEntry(const char *keyName, const UninstallEntry &entry, bool *created) {
    *created = false;
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path)) {
        SetLastError(ERROR_INVALID_NAME);
        return false;
    }
    HKEY key = NULL;
    DWORD disposition = 0;
    char noClass[1] = "";
    LONG result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, noClass, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, NULL, &key, &disposition);
    if (result == ERROR_SUCCESS) {
        *created = disposition == REG_CREATED_NEW_KEY;
        const LONG results[] = {SetText(key, "DisplayName", entry.displayName),
                                SetText(key, "UninstallString", entry.command),
                                SetText(key, "DisplayIcon", entry.displayIcon),
                                SetText(key, "DisplayVersion", entry.displayVersion),
                                SetText(key, "Publisher", entry.publisher),
                                SetText(key, "InstallLocation", entry.installLocation),
                                SetNumber(key, "EstimatedSize", entry.estimatedKb),
                                SetNumber(key, "NoModify", 1),
                                SetNumber(key, "NoRepair", 1)};
        for (LONG written : results)
            if (result == ERROR_SUCCESS)
                result = written;
        RegCloseKey(key);
    }
    SetLastError(DWORD(result));
    return result == ERROR_SUCCESS;
}

bool RestoreUninstallEntry(const char *keyName, const EntrySnapshot &before, bool created) {
    if (created)
        return DeleteUninstallEntry(keyName);
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return false;
    HKEY key = NULL;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) !=
        ERROR_SUCCESS)
        return false;
    bool whole = DeleteValuesNotIn(key, before);
    for (int i = 0; i < before.count; ++i)
        whole = RegSetValueExA(key, SnapshotName(before, i), 0, before.values[i].type,
                               SnapshotData(before, i),
                               DWORD(before.values[i].dataSize)) == ERROR_SUCCESS &&
                whole;
    RegCloseKey(key);
    return whole;
}

bool DeleteUninstallEntry(const char *keyName) {
    char path[MAX_PATH];
    if (!BuildUninstallKeyPath(keyName, path, sizeof path))
        return false;
    const LONG result = RegDeleteKeyA(HKEY_LOCAL_MACHINE, path);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}
