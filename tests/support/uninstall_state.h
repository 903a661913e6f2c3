// An installed title the way Setup leaves it, and running the uninstaller against it.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

#define INSTALL_FOLDER "C:\\TWL\\BRINDMOR"
#define INSTALLED_UNINSTALLER INSTALL_FOLDER "\\brindd95.exe"
#define INSTALLED_DATA_FILE INSTALL_FOLDER "\\BRINDMOR.QKT"

// C:\TWL\BRINDMOR with BRINDMOR.QKT and brindd95.exe (a copy of dist/BRINDDEL.EXE), the
// [Brindlemoor] Install record in BRINDMOR.INI and the uninstall key. False when any part failed.
bool PrepareInstalledState();

// The temporary batch and PIF files (unt*.bat, unt*.pif, unt*.tmp), as full paths: in the
// temporary folder, where the uninstaller puts them, or in the Windows directory.
std::vector<std::string> TemporaryBatchFiles();
void DeleteTemporaryBatchFiles();
// Waits up to 15 s for a self-deletion batch to delete itself; true once none is left.
bool WaitForNoTemporaryBatch();

// The confirmation dialog of the process (class #32770, caption "Brindlemoor"), waited for.
HWND WaitForConfirmation(DWORD processId, DWORD milliseconds);

// Runs a command line, presses the dialog's button (IDs 1002 Yes, 2 Cancel), and waits for the
// exit. True with the exit code when the dialog came and the process ended in time.
bool RunUninstaller(const std::string &commandLine, int button, DWORD *exitCode);

// Runs a command line, answers Yes, and waits for the message box the uninstaller shows before it
// ends: its text (empty when none came), then presses OK and waits for the exit. True with the exit
// code when the question came and the process ended in time.
bool RunUninstallerToBox(const std::string &commandLine, std::string *boxText, DWORD *exitCode);

// Waits until the path no longer exists; true when it went in time.
bool WaitUntilGone(const std::string &path, DWORD milliseconds);
