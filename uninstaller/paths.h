// Path texts the uninstaller builds: component paths and the temporary names.
#pragma once
#include <cstddef>

// folder + "\" + name into dst, only when the whole path fits (dst empty and false otherwise):
// a cut path would name another file.
bool JoinPath(const char *folder, const char *name, char *dst, size_t capacity);

// From the name GetTempFileNameA made (…\untXXXX.TMP): the same name ending ".bat" and ".pif".
// False, both empty, when either does not fit its buffer whole.
bool MakeTempNames(const char *tempName, char *batch, size_t batchCapacity, char *pif,
                   size_t pifCapacity);

// An absolute path ("X:\..." or "\\server\share\...") in one form: "/" read as "\", empty and
// "." levels dropped, ".." taking the level before it away (never the drive or share), no
// trailing backslash ("X:" for a drive's root). False (dst empty) for a relative path, a bare
// name, a drive-relative "X:name", or one that does not fit.
bool NormalisePath(const char *path, char *dst, size_t capacity);

// True when a normalised folder (NormalisePath's form) lies below its drive or share: one that
// may be removed.
bool IsFolderBelowRoot(const char *folder);

// A normalised folder (NormalisePath's form) cut to its parent; false, unchanged, when it is a
// drive ("X:") or a share ("\\server\share") already, which are never removed.
bool CutToParentFolder(char *folder);
