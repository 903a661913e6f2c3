// Where the installed files go: the data-file and uninstaller paths and the folders to create.
#pragma once
#include <cstddef>

// The install folder, a backslash (always: a drive root gives two in a row) and the data file's
// name. False (dst empty) when the whole path does not fit.
bool BuildDataFilePath(const char *folder, const char *fileName, char *dst, size_t capacity);

// The install folder, a backslash unless it ends with one, and the uninstaller's name. False
// (dst empty) when the whole path does not fit.
bool BuildUninstallerPath(const char *folder, const char *fileName, char *dst, size_t capacity);

// Calls visit with every prefix of the folder that ends before a backslash, left to right
// ("C:", "C:\TWL", "C:\TWL\BRINDMOR" for C:\TWL\BRINDMOR); the folder counts as ending with one.
void ForEachFolderPrefix(const char *folder, void (*visit)(const char *prefix, void *context),
                         void *context);
