// Free-space arithmetic of Setup: clusters the data file needs, the space tests, KB figures.
#include "drive_space.h"

#include "../../common/text.h"

namespace {
const uint64_t kSpareClusters = 12;
const uint64_t kNeededMargin = 500000;   // added to the file for the figure the dialog shows
const uint64_t kBrowserMargin = 1000000; // the browser's margin beyond the file
} // namespace

uint64_t ClustersNeeded(uint64_t sourceSize, const DriveSpace &space) {
    uint64_t clusterSize = uint64_t(space.bytesPerSector) * space.sectorsPerCluster;
    if (clusterSize == 0)
        return 0;
    return (uint64_t(sourceSize) + clusterSize - 1) / clusterSize;
}

bool SetupSpaceSuffices(uint64_t sourceSize, const DriveSpace &space) {
    return ClustersNeeded(sourceSize, space) + kSpareClusters <= space.freeClusters;
}

uint64_t NeededKb(uint64_t sourceSize) {
    return (uint64_t(sourceSize) + kNeededMargin) / 1024;
}

uint64_t AvailableKb(const DriveSpace &space) {
    return space.freeBytes / 1024;
}

uint64_t BrowserBytesNeeded(uint64_t sourceSize) {
    return uint64_t(sourceSize) + kBrowserMargin;
}

bool BrowserSpaceSuffices(uint64_t sourceSize, uint64_t freeBytes) {
    return BrowserBytesNeeded(sourceSize) <= freeBytes;
}

uint64_t BrowserShortfallKb(uint64_t sourceSize, uint64_t freeBytes) {
    if (BrowserSpaceSuffices(sourceSize, freeBytes))
        return 0;
    return (BrowserBytesNeeded(sourceSize) - freeBytes) / 1024;
}

void DriveRootOf(const char *folder, char *root, size_t capacity) {
    char first[4];
    CopyText(first, sizeof first, folder);
    if (TextLength(first) == 2 && first[1] == ':')
        AppendText(first, sizeof first, "\\");
    CopyText(root, capacity, first);
}
