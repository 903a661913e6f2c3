// Where the installed files go: the data-file and uninstaller paths and the folder levels to
// create (the names beside them while they are put in place are common/side_names.h's).
#pragma once
#include <cstddef>

// The install folder, a backslash (always: a drive root gives two in a row) and the data file's
// name. False (dst empty) when the whole path does not fit.
bool BuildDataFilePath(const char *folder, const char *fileName, char *dst, size_t capacity);

// The install folder, a backslash unless it ends with one, and the uninstaller's name. False
// (dst empty) when the whole path does not fit.
bool BuildUninstallerPath(const char *folder, const char *fileName, char *dst, size_t capacity);

// Where each level of the folder ends, left to right: at each backslash, and at the end of a
// folder that does not end with one ("C:\TWL\BRINDMOR" gives 2, 6, 15: "C:", "C:\TWL" and the
// whole). Returns the number of levels, or 0 when there are more than maxEnds.
size_t FolderLevelEnds(const char *folder, unsigned short *ends, size_t maxEnds);
