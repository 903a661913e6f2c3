// Clearing and setting the read-only attribute of installed files.
#include "read_only.h"

BOOL ClearReadOnly(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0)
        return FALSE;
    DWORD kept = attributes & ~DWORD(FILE_ATTRIBUTE_READONLY);
    SetFileAttributesA(path, kept != 0 ? kept : FILE_ATTRIBUTE_NORMAL);
    return TRUE;
}

void SetReadOnly(const char *path) {
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES)
        SetFileAttributesA(path, attributes | FILE_ATTRIBUTE_READONLY);
}
