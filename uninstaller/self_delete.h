// The temporary batch file and PIF that delete the uninstaller and its folders after it exits.
#pragma once
#include <windows.h>

constexpr int kTempNameCapacity = 144;

// Makes both names (Windows directory, "unt" + digits, ".bat"/".pif") and creates the empty batch
// file; its handle, or INVALID_HANDLE_VALUE (no file left behind) when a name cannot be had whole.
HANDLE CreateTempBatch(char *batchName, char *pifName);

// The PIF template (resource "PIF" 109) with the batch path in its program field.
BOOL WritePifFromTemplate(HINSTANCE instance, const char *pifPath, const char *batchPath);

// Writes every line and closes the file; TRUE when at least one line was written. Writes nothing
// when a line could not be built whole.
BOOL WriteSelfDeleteBatch(HANDLE batch, const char *batchPath, const char *pifPath,
                          const char *installFolder, const char *ownPath);

// Starts the batch: on NT-family systems through the command interpreter, minimised; otherwise
// the PIF with WinExec. Does not wait.
void StartSelfDelete(const char *pifPath, const char *batchPath);
