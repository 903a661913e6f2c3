// Simulated drives for tests through Wine's mount manager (IOCTL_MOUNTMGR_DEFINE_UNIX_DRIVE).
#include "drives.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

namespace {
// Wine's own request record for defining a drive (include/ddk/mountmgr.h, Wine 8.0); strings
// follow it in the same buffer, found by their offsets from its start.
struct WineUnixDrive {
    ULONG size;
    ULONG type; // DRIVE_* of Win32; DRIVE_NO_ROOT_DIR removes the drive
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDev;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};
static_assert(offsetof(WineUnixDrive, unixDev) == 16, "Wine's layout");
static_assert(offsetof(WineUnixDrive, letter) == 24, "Wine's layout");
static_assert(offsetof(WineUnixDrive, labelOffset) == 30, "Wine's layout");
static_assert(sizeof(WineUnixDrive) == 32, "Wine's layout");

const DWORD kDefineUnixDrive =
    CTL_CODE('m', 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

std::string Rig() {
    const char *rig = std::getenv("BRINDLE_RIG");
    return rig != NULL ? rig : "/tmp";
}

bool SendDefinition(char letter, UINT type, const std::string &mountPoint) {
    std::vector<char> buffer(sizeof(WineUnixDrive) + mountPoint.size() + 1, '\0');
    WineUnixDrive request = {};
    request.size = ULONG(buffer.size());
    request.type = type;
    request.letter = WCHAR(letter);
    if (!mountPoint.empty()) {
        request.mountPointOffset = USHORT(sizeof(WineUnixDrive));
        std::memcpy(buffer.data() + sizeof(WineUnixDrive), mountPoint.c_str(),
                    mountPoint.size() + 1);
    }
    std::memcpy(buffer.data(), &request, sizeof request);

    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    BOOL ok = DeviceIoControl(manager, kDefineUnixDrive, buffer.data(), DWORD(buffer.size()), NULL,
                              0, &returned, NULL);
    CloseHandle(manager);
    return ok != FALSE;
}
} // namespace

std::string DriveFolder(const std::string &name) {
    const std::string drives = Rig() + "/drives";
    CreateDirectoryA(WindowsPathOf(drives).c_str(), NULL);
    const std::string folder = drives + "/" + name;
    CreateDirectoryA(WindowsPathOf(folder).c_str(), NULL);
    return folder;
}

std::string MissingFolder() {
    return Rig() + "/no-disc-in-this-drive";
}

bool DefineDrive(char letter, const std::string &unixFolder, UINT type, const char *label) {
    if (label != NULL &&
        !WriteWholeFile(WindowsPathOf(unixFolder + "/.windows-label"), std::string(label) + "\n"))
        return false;
    return SendDefinition(letter, type, unixFolder);
}

bool RemoveDrive(char letter) {
    return SendDefinition(letter, DRIVE_NO_ROOT_DIR, "");
}

bool RestoreDiscDrive() {
    return DefineDrive('e', Rig() + "/disc-e", DRIVE_CDROM, "BRINDLE_MOR");
}

bool EjectDiscDrive() {
    return DefineDrive('e', MissingFolder(), DRIVE_CDROM, NULL);
}

UINT DriveType(char letter) {
    const char root[4] = {letter, ':', '\\', '\0'};
    return GetDriveTypeA(root);
}

std::string DriveLabel(char letter) {
    const char root[4] = {letter, ':', '\\', '\0'};
    char name[260] = "";
    DWORD longest = 0, flags = 0;
    if (!GetVolumeInformationA(root, name, sizeof name, NULL, &longest, &flags, NULL, 0))
        return "";
    return name;
}

void DriveRestorer::Forget(char letter) {
    extra_ += letter;
}

DriveRestorer::~DriveRestorer() {
    for (char letter : extra_)
        RemoveDrive(letter);
    RestoreDiscDrive();
}
