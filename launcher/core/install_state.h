// The title's installation state: setup mode texts, the state decision, and the installed data
// file.
#pragma once
#include <cstddef>

enum InstallState {
    SetupNone = 0,
    SetupOptional = 1,
    SetupRequired = 2,
    SetupComplete = 3,
    SetupIncomplete = 4,
};

// The setup mode named by a mode text ("Setup:Required" and so on, exact letter case); SetupNone
// for any text it does not recognise.
InstallState SetupModeFromText(const char *modeText);

// The state for a mode text, whether an installation is recorded, and whether its data file
// exists. A mode of SetupNone never looks at the record.
InstallState DecideInstallState(const char *modeText, bool recorded, bool filePresent);

#ifdef _WIN32
#include <windows.h>

// Reads the setup mode and, unless it is SetupNone, the record in BRINDMOR.INI; fills the
// program-wide data-file path as it goes.
InstallState GetInstallState(HINSTANCE instance);

// The "Install" value of the title's section of the INI file into destination; TRUE when not empty.
// A value longer than the destination is recorded (TRUE) but left empty there: it names no file
// we could test, and its cut prefix could name another.
BOOL ReadInstalledDataPath(HINSTANCE instance, char *destination, size_t capacity);

// TRUE when the data file's name is configured and a file exists at path.
BOOL InstalledDataPresent(HINSTANCE instance, const char *path);

// The program-wide data-file path: kDataFilePathSize bytes, shared with the install procedure.
const size_t kDataFilePathSize = 260;
char *DataFilePath();
#endif
