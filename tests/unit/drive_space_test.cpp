// Setup's space arithmetic, shown as the dialog's lines: KB figures, clusters, the 12-cluster
// test, the browser's test.
#include <gtest/gtest.h>

#include "launcher/setup/drive_space.h"
#include "launcher/setup/space_lines.h"

namespace {
DriveSpace Drive(uint32_t sectorsPerCluster, uint32_t bytesPerSector, uint32_t freeClusters) {
    DriveSpace space = {};
    space.sectorsPerCluster = sectorsPerCluster;
    space.bytesPerSector = bytesPerSector;
    space.freeClusters = freeClusters;
    space.freeBytes = uint64_t(freeClusters) * sectorsPerCluster * bytesPerSector;
    return space;
}

std::string Line(const char *label, const char *folder, uint64_t kb) {
    char line[256];
    BuildSpaceLine(label, folder, kb, line, sizeof line);
    return line;
}
} // namespace

TEST(SetupSpaceLines, NeededFiguresAddTheMarginAndDropTheRemainder) {
    EXPECT_EQ("Space needed on drive C: 488 KB",
              Line("Space needed on drive ", "C:\\TWL\\BRINDMOR", NeededKb(0)));
    EXPECT_EQ("Space needed on drive C: 1464 KB",
              Line("Space needed on drive ", "C:\\TWL\\BRINDMOR", NeededKb(1000000)));
    // Near 4 GiB the margin would wrap a 32-bit sum.
    EXPECT_EQ(4194792u, NeededKb(0xFFFFFFFFu));
}

TEST(SetupSpaceLines, AvailableFiguresAreExactPast4GiB) {
    EXPECT_EQ("Space available on drive C: 51200 KB",
              Line("Space available on drive ", "C:\\TWL", AvailableKb(Drive(1, 1024, 51200))));
    // 3,000,000 clusters of 4 KB: 12,288,000,000 bytes, past 32 and past 31 bits.
    DriveSpace big = Drive(8, 512, 3000000);
    EXPECT_EQ(12288000000ull, big.freeBytes);
    EXPECT_EQ("Space available on drive d: 12000000 KB",
              Line("Space available on drive ", "d:\\games", AvailableKb(big)));
    EXPECT_EQ("Space available on drive q 0 KB", Line("Space available on drive ", "q", 0));
    char digits[24];
    EXPECT_STREQ("18446744073709551615", FormatDecimal(~0ull, digits, sizeof digits));
    EXPECT_STREQ("12", FormatDecimal(12345, digits, 3)); // cut, never past the buffer
}

TEST(SetupSpaceTest, TwelveSpareClustersBeyondTheFile) {
    DriveSpace drive = Drive(8, 512, 0);             // 4,096-byte clusters
    EXPECT_EQ(245u, ClustersNeeded(1000000, drive)); // 244.1, rounded up
    EXPECT_EQ(1u, ClustersNeeded(1, drive));
    EXPECT_EQ(0u, ClustersNeeded(0, drive));
    drive.freeClusters = 245 + 12;
    EXPECT_TRUE(SetupSpaceSuffices(1000000, drive));
    drive.freeClusters = 245 + 11;
    EXPECT_FALSE(SetupSpaceSuffices(1000000, drive));
    EXPECT_EQ(1048576u, ClustersNeeded(0xFFFFFFFFu, drive)); // no wrap in the rounding
}

TEST(SetupSpaceTest, DataFilesPast4GiBAreNotSizedAsNothing) {
    const uint64_t big = 5ull << 30;     // 5 GiB: past the copy's 32-bit counts
    DriveSpace drive = Drive(8, 512, 0); // 4,096-byte clusters
    EXPECT_EQ(big / 4096, ClustersNeeded(big, drive));
    drive.freeClusters = 0xFFFFFFFFu; // 16 TiB of clusters: room enough
    EXPECT_TRUE(SetupSpaceSuffices(big, drive));
    drive.freeClusters = uint32_t(big / 4096 + 11);
    EXPECT_FALSE(SetupSpaceSuffices(big, drive));
    EXPECT_EQ((big + 500000) / 1024, NeededKb(big));
    EXPECT_FALSE(BrowserSpaceSuffices(big, big));
}

TEST(SetupSpaceTest, ZeroClusterSizeNeedsOnlyTheSpareClusters) {
    DriveSpace zero = Drive(0, 512, 12);
    EXPECT_EQ(0u, ClustersNeeded(50000000, zero));
    EXPECT_TRUE(SetupSpaceSuffices(50000000, zero));
    zero.freeClusters = 11;
    EXPECT_FALSE(SetupSpaceSuffices(50000000, zero));
    DriveSpace missing = {}; // a drive that could not be asked
    EXPECT_FALSE(SetupSpaceSuffices(0, missing));
}

TEST(SetupBrowserSpace, MarginOfAMillionBytesAndTheShortfall) {
    EXPECT_TRUE(BrowserSpaceSuffices(8388608, 9388608));
    EXPECT_EQ(0u, BrowserShortfallKb(8388608, 9388608));
    EXPECT_FALSE(BrowserSpaceSuffices(8388608, 9388607));
    EXPECT_EQ(0u, BrowserShortfallKb(8388608, 9388607)); // one byte short: 0 KB
    EXPECT_EQ(1u, BrowserShortfallKb(0, 1000000 - 1024));
    EXPECT_EQ(976u, BrowserShortfallKb(0, 0)) << "KB of 1,024 bytes";
    EXPECT_EQ(976u, BrowserBytesNeeded(0) / 1024); // a drive that cannot report its space
    EXPECT_TRUE(BrowserSpaceSuffices(0xFFFFFFFFu, 0x100000000ull + 1000000));
    EXPECT_FALSE(BrowserSpaceSuffices(0xFFFFFFFFu, 0xFFFFFFFFull)); // no 32-bit wrap
}

TEST(SetupDriveRoot, FirstThreeCharactersOrABareDriveWithItsBackslash) {
    char root[4];
    DriveRootOf("C:\\TWL\\BRINDMOR", root, sizeof root);
    EXPECT_STREQ("C:\\", root);
    DriveRootOf("d:", root, sizeof root);
    EXPECT_STREQ("d:\\", root);
    DriveRootOf("d:\\", root, sizeof root);
    EXPECT_STREQ("d:\\", root);
    DriveRootOf("games", root, sizeof root);
    EXPECT_STREQ("gam", root);
}
