// The launcher's install paths from any install folder (INI "Install" value or a typed folder),
// file name and buffer size, and the install-state decision over any mode text and record.
#include "fuzz_input.h"
#include "launcher/core/install_state_rules.h"
#include "launcher/setup/install_paths.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

// A built path is either whole or refused with an empty buffer: a cut path names another file.
void CheckJoined(bool built, const char *dst, size_t capacity, const std::string &whole) {
    if (capacity == 0) {
        if (built)
            __builtin_trap();
        return;
    }
    if (!Terminated(dst, capacity))
        __builtin_trap();
    if (built != (whole.size() + 1 <= capacity))
        __builtin_trap();
    if (built ? whole != dst : dst[0] != '\0')
        __builtin_trap();
}

// Every folder level to create ends at one of the folder's backslashes, or at its end; all of
// them, in order, or none when there are more than the room for them.
void CheckLevels(const std::string &folder, size_t room) {
    std::vector<size_t> ends;
    for (size_t i = 0; i < folder.size(); ++i)
        if (folder[i] == '\\')
            ends.push_back(i);
    if (!folder.empty() && folder.back() != '\\')
        ends.push_back(folder.size());
    std::unique_ptr<char[]> folderText = ExactText(folder);
    std::vector<unsigned short> found(room + 1, 0xAAAA);
    const size_t levels = FolderLevelEnds(folderText.get(), found.data(), room);
    if (levels != (ends.size() <= room ? ends.size() : 0) || found[room] != 0xAAAA)
        __builtin_trap();
    for (size_t i = 0; i < levels; ++i)
        if (found[i] != ends[i])
            __builtin_trap();
}

void CheckStateDecision(const std::string &mode, const std::string &record, bool present) {
    std::unique_ptr<char[]> modeText = ExactText(mode);
    std::unique_ptr<char[]> recordText = ExactText(record);
    InstallState state = DecideInstallState(modeText.get(), recordText.get()[0] != '\0', present);
    bool known = mode == "Setup:Required" || mode == "Setup:Optional";
    if (!known && state != SetupNone)
        __builtin_trap(); // only the exact mode texts turn setup on
    if (known && record.empty() && state != SetupModeFromText(modeText.get()))
        __builtin_trap(); // nothing recorded: the mode itself
    if (known && !record.empty() && state != (present ? SetupComplete : SetupIncomplete))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const size_t capacity = (input.Byte() | size_t(input.Byte()) << 8) % 400;
    const bool present = (input.Byte() & 1) != 0;
    const std::string folder = input.Line();
    const std::string fileName = input.Line();

    std::unique_ptr<char[]> folderText = ExactText(folder);
    std::unique_ptr<char[]> nameText = ExactText(fileName);

    // The data file: always a backslash between, even behind a drive root's own.
    std::unique_ptr<char[]> dataPath = OutputBuffer(capacity);
    bool built = BuildDataFilePath(folderText.get(), nameText.get(), dataPath.get(), capacity);
    CheckJoined(built, dataPath.get(), capacity, folder + "\\" + fileName);

    // The uninstaller: a backslash only when the folder does not end with one.
    std::unique_ptr<char[]> uninstaller = OutputBuffer(capacity);
    built = BuildUninstallerPath(folderText.get(), nameText.get(), uninstaller.get(), capacity);
    bool slash = !folder.empty() && folder.back() == '\\';
    CheckJoined(built, uninstaller.get(), capacity, folder + (slash ? "" : "\\") + fileName);

    CheckLevels(folder, capacity % 64);

    // The INI record and the mode text read from the title's INI section.
    CheckStateDecision(fileName, folder, present);
    return 0;
}
