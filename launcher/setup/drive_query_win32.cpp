// Asking a drive for its free space.
#include "drive_query.h"

#include <windows.h>

#include "../../common/system_library.h"

typedef BOOL(WINAPI *FreeSpaceEx)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

// The free bytes in 64 bits: from the extended query where the system has it (it accounts for
// quotas), else as the cluster product.
static void FillFreeBytes(const char *root, DriveSpace *space) {
    uint64_t clusterSize = uint64_t(space->sectorsPerCluster) * space->bytesPerSector;
    space->freeBytes = clusterSize * space->freeClusters;
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    FreeSpaceEx query = ExportedFunction<FreeSpaceEx>(kernel, "GetDiskFreeSpaceExA");
    ULARGE_INTEGER available, total, totalFree;
    if (query != NULL && query(root, &available, &total, &totalFree))
        space->freeBytes = available.QuadPart;
}

int QueryDriveSpace(const char *root, DriveSpace *space) {
    *space = DriveSpace{};
    if (GetDriveTypeA(root) == DRIVE_NO_ROOT_DIR)
        return 0;
    DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
    BOOL result = GetDiskFreeSpaceA(root, &sectors, &bytes, &freeClusters, &totalClusters);
    if (!result)
        return 0;
    space->sectorsPerCluster = sectors;
    space->bytesPerSector = bytes;
    space->freeClusters = freeClusters;
    FillFreeBytes(root, space);
    return result;
}
