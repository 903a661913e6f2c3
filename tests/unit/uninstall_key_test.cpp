// Where the stored records live: the uninstall entry's registry path, the INI record's file; and
// the entry's earlier values kept to be put back.
#include <gtest/gtest.h>

#include "common/entry_snapshot.h"
#include "common/install_record.h"
#include "common/uninstall_key.h"

#include <cstring>
#include <string>

TEST(BuildUninstallKeyPath, NameAfterTheParentOrNothing) {
    char key[260];
    ASSERT_TRUE(BuildUninstallKeyPath("Brindlemoor", key, sizeof key));
    EXPECT_STREQ("Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlemoor", key);
    EXPECT_FALSE(BuildUninstallKeyPath("", key, sizeof key));
    EXPECT_STREQ("", key);
    char small[60];
    EXPECT_FALSE(BuildUninstallKeyPath("Brindlemoor", small, sizeof small));
    EXPECT_STREQ("", small);
}

// The Windows directory, one backslash whatever it ends with, and the file's name; or nothing.
TEST(BuildRecordFilePath, TheWindowsDirectoryAndTheNameOrNothing) {
    char path[32] = "stale";
    ASSERT_TRUE(BuildRecordFilePath("C:\\WINDOWS", "BRINDMOR.INI", path, sizeof path));
    EXPECT_STREQ("C:\\WINDOWS\\BRINDMOR.INI", path);
    for (const char *windows : {"", "C:\\A VERY LONG WINDOWS FOLDER"}) {
        std::memcpy(path, "stale", 6);
        EXPECT_FALSE(BuildRecordFilePath(windows, "BRINDMOR.INI", path, sizeof path)) << windows;
        EXPECT_STREQ("", path) << "a part of the path would name another file";
    }
    EXPECT_FALSE(BuildRecordFilePath("C:\\WINDOWS", "", path, sizeof path));
    EXPECT_STREQ("", path);
}

// An earlier entry is kept raw to be written back exactly: within its stated room (32 values,
// 8 KB of names and data), whole or not at all; names found again whatever their letter case.
TEST(EntrySnapshot, KeptWholeWithinItsRoomOrNotAtAll) {
    static EntrySnapshot snapshot; // large: kept off the stack
    ClearSnapshot(&snapshot);
    const unsigned char path[] = "%ProgramFiles%\\TWL\\brindd95.exe";
    ASSERT_TRUE(AddSnapshotValue(&snapshot, "UninstallString", 2, path, sizeof path));
    ASSERT_TRUE(AddSnapshotValue(&snapshot, "Empty", 3, nullptr, 0));
    EXPECT_EQ(2, snapshot.count);
    EXPECT_STREQ("UninstallString", SnapshotName(snapshot, 0));
    EXPECT_EQ(0, std::memcmp(path, SnapshotData(snapshot, 0), sizeof path));
    EXPECT_EQ(sizeof path, snapshot.values[0].dataSize);
    EXPECT_EQ(2u, snapshot.values[0].type);
    EXPECT_STREQ("Empty", SnapshotName(snapshot, 1));
    EXPECT_TRUE(SnapshotHasValue(snapshot, "uninstallstring"));
    EXPECT_FALSE(SnapshotHasValue(snapshot, "UninstallStrin"));

    // The bytes: what fits exactly is taken, one byte more is not, and nothing of it stays.
    const size_t used = snapshot.used;
    static unsigned char big[kSnapshotBytes];
    const size_t room = kSnapshotBytes - used - 2; // "B" and its terminator
    EXPECT_FALSE(AddSnapshotValue(&snapshot, "B", 1, big, room + 1));
    EXPECT_EQ(2, snapshot.count);
    EXPECT_EQ(used, snapshot.used);
    EXPECT_TRUE(AddSnapshotValue(&snapshot, "B", 1, big, room));
    EXPECT_EQ(kSnapshotBytes, snapshot.used);

    // The values: 32 of them, and names of up to 255 characters.
    ClearSnapshot(&snapshot);
    for (int i = 0; i < kSnapshotValues; ++i)
        ASSERT_TRUE(AddSnapshotValue(&snapshot, ("V" + std::to_string(i)).c_str(), 4, big, 4));
    EXPECT_FALSE(AddSnapshotValue(&snapshot, "One more", 4, big, 4));
    ClearSnapshot(&snapshot);
    EXPECT_TRUE(AddSnapshotValue(&snapshot, std::string(255, 'n').c_str(), 1, big, 1));
    EXPECT_FALSE(AddSnapshotValue(&snapshot, std::string(256, 'n').c_str(), 1, big, 1));
}
