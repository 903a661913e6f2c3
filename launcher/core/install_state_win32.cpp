// Reads the installation record from BRINDMOR.INI and the data file's presence for the main dialog.
#include "install_state.h"

#include "../../common/text.h"
#include "../resources/resource_ids.h"
#include "strings.h"

static char gDataFilePath[kDataFilePathSize] = "";

char *DataFilePath() {
    return gDataFilePath;
}

// Strings come from the string source set at start-up, which is this same module.
InstallState GetInstallState(HINSTANCE instance) {
    char modeText[256];
    LoadFixedString(IDS_SETUP_MODE, modeText, sizeof modeText);
    if (SetupModeFromText(modeText) == SetupNone)
        return SetupNone;
    const BOOL recorded = ReadInstalledDataPath(instance, gDataFilePath, sizeof gDataFilePath);
    const bool present = recorded && InstalledDataPresent(instance, gDataFilePath);
    return DecideInstallState(modeText, recorded != FALSE, present);
}

BOOL ReadInstalledDataPath(HINSTANCE, char *destination, size_t capacity) {
    char iniPath[MAX_PATH] = "";
    GetWindowsDirectoryA(iniPath, sizeof iniPath);
    char iniName[20];
    LoadFixedString(IDS_INI_FILE, iniName, sizeof iniName);
    // The backslash goes on whatever the directory ends with.
    AppendText(iniPath, sizeof iniPath, "\\");
    AppendText(iniPath, sizeof iniPath, iniName);

    char section[260];
    LoadLangString(LANG_TITLE, section, sizeof section);
    // Read with room to spare: a record longer than the destination is recorded but names no
    // file we could test, and its cut prefix may name some other existing file.
    char value[1024] = "";
    GetPrivateProfileStringA(section, "Install", "", value, sizeof value, iniPath);
    if (capacity > 0)
        destination[0] = '\0';
    if (TextLength(value) < capacity)
        CopyText(destination, capacity, value);
    return value[0] != '\0';
}

BOOL InstalledDataPresent(HINSTANCE, const char *path) {
    char dataName[260];
    LoadFixedString(IDS_DATA_FILE, dataName, sizeof dataName);
    if (dataName[0] == '\0')
        return FALSE;
    // Not OpenFile: its 128-character record refuses the paths of deep install folders.
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}
