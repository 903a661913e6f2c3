// Path texts the uninstaller builds: its own folder, component paths and the temporary names.
#pragma once
#include <cstddef>

// Ends the text at its last backslash (the backslash dropped); a text without one stays whole.
void CutAtLastBackslash(char *path);

// folder + "\" + name into dst, only when the whole path fits (dst empty and false otherwise):
// a cut path would name another file.
bool JoinPath(const char *folder, const char *name, char *dst, size_t capacity);

// From the name GetTempFileNameA made (…\untXXXX.TMP): the same name ending ".bat" and ".pif".
// False, both empty, when either does not fit its buffer whole.
bool MakeTempNames(const char *tempName, char *batch, size_t batchCapacity, char *pif,
                   size_t pifCapacity);
