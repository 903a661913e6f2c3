// Asking a drive for its type, flags and free space.
#include "drive_query.h"

#include <windows.h>

typedef BOOL(WINAPI *FreeSpaceEx)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// The byte figures in 64 bits: from the extended query where the system has it (it accounts
// for quotas), else as cluster products.
static void FillByteTotals(const char *root, DriveSpace *space) {
    uint64_t clusterSize = uint64_t(space->sectorsPerCluster) * space->bytesPerSector;
    space->freeBytes = clusterSize * space->freeClusters;
    space->totalBytes = clusterSize * space->totalClusters;
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    FreeSpaceEx query = kernel != NULL ? reinterpret_cast<FreeSpaceEx>(reinterpret_cast<void *>(
                                             GetProcAddress(kernel, "GetDiskFreeSpaceExA")))
                                       : NULL;
    ULARGE_INTEGER available, total, totalFree;
    if (query != NULL && query(root, &available, &total, &totalFree)) {
        space->freeBytes = available.QuadPart;
        space->totalBytes = total.QuadPart;
    }
}

int QueryDriveSpace(const char *root, DriveSpace *space) {
    *space = DriveSpace{};
    UINT type = GetDriveTypeA(root);
    if (type == DRIVE_NO_ROOT_DIR)
        return 0;
    space->driveType = type;
    DWORD longest = 0, flags = 0;
    if (GetVolumeInformationA(root, NULL, 0, NULL, &longest, &flags, NULL, 0)) {
        space->compressed = flags & FS_VOL_IS_COMPRESSED;
        space->longestComponent = longest;
    }
    DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
    BOOL result = GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &totalClusters);
    if (!result)
        return 0;
    space->sectorsPerCluster = sectors;
    space->bytesPerSector = bytes;
    space->freeClusters = freeClusters;
    space->totalClusters = totalClusters;
    FillByteTotals(root, space);
    return result;
}
