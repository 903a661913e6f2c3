// Small file operations both programs use: the read-only attribute, existence, deletion by name.
#include "file_ops.h"

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

bool FileExists(const char *path) {
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

void DeleteByName(const char *path) {
    // Not OpenFile(OF_DELETE): its 128-character record refuses longer paths.
    DeleteFileA(path);
}
