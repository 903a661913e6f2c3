// Small file operations both programs use: the read-only attribute, existence, deletion by name.
#pragma once
#include <windows.h>

// Clears FILE_ATTRIBUTE_READONLY of an existing read-only file, keeping its other attributes.
// TRUE when the file was read-only (also when the change itself failed, as on a CD-ROM);
// FALSE for a missing or already writable file, which is not touched.
BOOL ClearReadOnly(const char *path);

// Sets FILE_ATTRIBUTE_READONLY, keeping the other attributes; a missing file is passed over.
void SetReadOnly(const char *path);

// True when a file (not a folder) exists at the path.
bool FileExists(const char *path);

// Deletes a file by name; a missing file is passed over.
void DeleteByName(const char *path);
