// The installation state the main dialog shows, read from the setup mode, the install record and
// the data file it names.
#include "install_state.h"

#include "../../common/file_ops.h"
#include "../../common/install_record_file.h"
#include "../../common/side_files.h"
#include "../../common/string_source.h"
#include "../../common/text.h"
#include "../resources/resource_ids.h"

bool TitleRecordPlace(InstallRecordPlace *place) {
    return LocateInstallRecord(IDS_INI_FILE, LANG_TITLE, place);
}

void RepairRecordedInstallation() {
    InstallRecordPlace place;
    char dataFile[kRecordValueCapacity] = "";
    if (!TitleRecordPlace(&place) ||
        ReadInstallRecord(place, dataFile, sizeof dataFile) != RecordFound)
        return;
    // Only names Setup gives: a full path ending in the data file's own name. A record someone
    // else wrote could name any file.
    char dataName[32], uninstallerName[32], folder[kRecordValueCapacity];
    LoadFixedString(IDS_DATA_FILE, dataName, sizeof dataName);
    LoadFixedString(IDS_UNINSTALLER, uninstallerName, sizeof uninstallerName);
    CopyText(folder, sizeof folder, dataFile);
    CutAtLastChar(folder, '\\');
    const char *recordedName = dataFile + TextLength(folder);
    const bool fromDrive =
        folder[0] != '\0' && folder[1] == ':' && (folder[2] == '\\' || folder[2] == '\0');
    if (dataName[0] == '\0' || uninstallerName[0] == '\0' || !fromDrive ||
        recordedName[0] != '\\' || !EqualIgnoringCase(recordedName + 1, dataName))
        return;
    RepairSideFiles(dataFile);
    // The uninstaller beside it, under the name Setup gives it there.
    if (AppendWhole(folder, sizeof folder, "\\") &&
        AppendWhole(folder, sizeof folder, uninstallerName))
        RepairSideFiles(folder);
}

bool InstalledDataPresent(const char *path) {
    char dataName[260];
    LoadFixedString(IDS_DATA_FILE, dataName, sizeof dataName);
    // Not OpenFile: its 128-character record refuses the paths of deep install folders.
    return dataName[0] != '\0' && FileExists(path);
}

InstallState GetInstallState() {
    char modeText[256];
    LoadFixedString(IDS_SETUP_MODE, modeText, sizeof modeText);
    if (SetupModeFromText(modeText) == SetupNone)
        return SetupNone;
    InstallRecordPlace place;
    char dataFile[kRecordValueCapacity] = "";
    // A record too long to take is recorded but names no file we could test (its cut prefix
    // could name another existing file): the installation counts as incomplete.
    const RecordRead read = TitleRecordPlace(&place)
                                ? ReadInstallRecord(place, dataFile, sizeof dataFile)
                                : RecordAbsent;
    const bool recorded = read != RecordAbsent;
    const bool present = read == RecordFound && InstalledDataPresent(dataFile);
    return DecideInstallState(modeText, recorded, present);
}
