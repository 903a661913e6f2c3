// The install run: copy the data file with progress, record it, register and copy the uninstaller.
#pragma once
#include <windows.h>

// Runs the whole install for the main dialog (status line 1013, Play button 1). A run that could
// not copy the data file leaves no record and says so in the status line.
void RunInstall(HWND mainDialog);

// Copies the title's data file into the install folder, sending the progress to window; TRUE
// when the whole file arrived.
struct TitleLocation;
BOOL CopyDataFile(HWND window, const TitleLocation &title);

// Records the installed data file in BRINDMOR.INI; FALSE when the record could not be written.
BOOL WriteInstallRecord();

// Creates every missing folder along the install folder's path.
void CreateFolderPath();

// The data-file path the last CopyDataFile built.
const char *InstalledDataFilePath();
