// The temporary batch file (and, on the 9x family, its PIF) that deletes the uninstaller and its
// folders after it exits.
#pragma once
#include <windows.h>

#include <cstddef>

#include "../common/batch_lines.h"

constexpr int kTempNameCapacity = 144;

// The folder of that kind (BatchFoldersFor says which are tried, in which order): the Windows
// directory, or the temporary folder of the user we run as, which the cmd.exe we start with our
// rights sees too. False (dst empty) when the system gives none that fits.
bool SelfDeleteFolder(BatchFolder kind, char *dst, size_t capacity);

// Makes a fresh name ending ".TMP" in the folder and creates that file, as GetTempFileNameA does;
// false when none could be had. A seam: the tests make names that collide.
struct TempNameSource {
    bool (*make)(void *context, const char *folder, char name[MAX_PATH]);
    void *context;
};
TempNameSource SystemTempNames();

// Creates the batch file (".bat") and, when `withPif`, the PIF (".pif") beside it, both new and
// never a file that is already there: a name another file holds makes it try the next name. The
// ".TMP" names it reserved are deleted. The batch file's handle, the PIF's in *pif, or
// INVALID_HANDLE_VALUE with both names empty and nothing left behind.
HANDLE CreateTempBatch(const char *folder, bool withPif, TempNameSource names, char *batchName,
                       char *pifName, HANDLE *pif);

// Writes the PIF template (resource "PIF" 109), with the batch path in its program field, into
// the new PIF file and closes it; TRUE when it was written whole.
BOOL WritePifFromTemplate(HINSTANCE instance, HANDLE pif, const char *batchPath);

// Writes every line for the interpreter that will run them and closes the file; TRUE only when
// every line was written. Writes nothing when a line could not be built whole.
BOOL WriteSelfDeleteBatch(HANDLE batch, const char *batchPath, const char *pifPath,
                          const char *installFolder, const char *ownPath, bool ntFamily);

// Starts the batch: on NT-family systems through the command interpreter, minimised; otherwise
// the PIF with WinExec. Does not wait.
void StartSelfDelete(const char *pifPath, const char *batchPath, bool ntFamily);
