// Free-space arithmetic of Setup: clusters the data file needs, the space tests, KB figures.
#pragma once
#include <cstddef>
#include <cstdint>

// What a drive reports of its free space that the space tests use. The free bytes are 64-bit:
// cluster products pass 4 GiB on today's disks.
struct DriveSpace {
    uint32_t sectorsPerCluster;
    uint32_t bytesPerSector;
    uint32_t freeClusters;
    uint64_t freeBytes;
};

// Sizes are 64-bit: a data file can be larger than the 32-bit counts of the copy can carry, and
// the space tests must still refuse it.

// Clusters the data file occupies on the drive: 0 when the cluster size reads as 0.
uint64_t ClustersNeeded(uint64_t sourceSize, const DriveSpace &space);

// The Setup dialog's test: the file's clusters plus 12 spare ones fit in the free clusters.
bool SetupSpaceSuffices(uint64_t sourceSize, const DriveSpace &space);

// KB figures of the Setup dialog's lines (remainders dropped).
uint64_t NeededKb(uint64_t sourceSize);
uint64_t AvailableKb(const DriveSpace &space);

// The browser's test: the file plus a 1,000,000-byte margin fits in the free bytes.
uint64_t BrowserBytesNeeded(uint64_t sourceSize);
bool BrowserSpaceSuffices(uint64_t sourceSize, uint64_t freeBytes);
// The missing part in KB when the browser's test fails (0 when it passes).
uint64_t BrowserShortfallKb(uint64_t sourceSize, uint64_t freeBytes);

// The root a folder's space is asked for: its first three characters ("C:\" of "C:\TWL"),
// with the backslash added to a bare drive ("d:").
void DriveRootOf(const char *folder, char *root, size_t capacity);
