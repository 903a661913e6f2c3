// Install paths: the data file, the uninstaller, the names beside them, the folders to create.
#include <gtest/gtest.h>

#include "common/side_names.h"
#include "launcher/setup/install_paths.h"

#include <string>
#include <vector>

namespace {
std::string DataPath(const char *folder) {
    char path[260];
    BuildDataFilePath(folder, "BRINDMOR.QKT", path, sizeof path);
    return path;
}

std::string UninstallerPath(const char *folder) {
    char path[260];
    BuildUninstallerPath(folder, "brindd95.exe", path, sizeof path);
    return path;
}

std::vector<std::string> Prefixes(const std::string &folder) {
    unsigned short ends[8];
    std::vector<std::string> found;
    const size_t levels = FolderLevelEnds(folder.c_str(), ends, 8);
    for (size_t i = 0; i < levels; ++i)
        found.push_back(folder.substr(0, ends[i]));
    return found;
}
} // namespace

TEST(SetupInstallPaths, DataFileAndUninstallerForTheUsualFolders) {
    EXPECT_EQ("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", DataPath("C:\\TWL\\BRINDMOR"));
    EXPECT_EQ("C:\\TWL\\BRINDMOR\\brindd95.exe", UninstallerPath("C:\\TWL\\BRINDMOR"));
    EXPECT_EQ("d:\\\\BRINDMOR.QKT", DataPath("d:\\")); // recorded as it is built
    EXPECT_EQ("d:\\brindd95.exe", UninstallerPath("d:\\"));
    EXPECT_EQ("d:\\BRINDMOR.QKT", DataPath("d:"));
    EXPECT_EQ("d:\\brindd95.exe", UninstallerPath("d:"));
}

TEST(SetupInstallPaths, APathThatDoesNotFitIsRefusedNotCut) {
    std::string folder = "C:\\" + std::string(250, 'x'); // 253 characters
    char path[260] = "stale";
    EXPECT_FALSE(BuildDataFilePath(folder.c_str(), "BRINDMOR.QKT", path, sizeof path));
    EXPECT_STREQ("", path);
    EXPECT_FALSE(BuildUninstallerPath(folder.c_str(), "brindd95.exe", path, sizeof path));
    EXPECT_STREQ("", path);
    std::string fits = "C:\\" + std::string(243, 'x'); // 246 + 13 = 259 characters
    EXPECT_TRUE(BuildDataFilePath(fits.c_str(), "BRINDMOR.QKT", path, sizeof path));
    EXPECT_EQ(259u, std::string(path).size());
}

TEST(SetupFolderPrefixes, EveryLevelLeftToRight) {
    using List = std::vector<std::string>;
    EXPECT_EQ(List({"C:", "C:\\TWL", "C:\\TWL\\BRINDMOR"}), Prefixes("C:\\TWL\\BRINDMOR"));
    EXPECT_EQ(List({"C:", "C:\\TWL", "C:\\TWL\\BRINDMOR"}), Prefixes("C:\\TWL\\BRINDMOR\\"));
    EXPECT_EQ(List({"d:"}), Prefixes("d:\\"));
    EXPECT_EQ(List({"d:"}), Prefixes("d:"));
    EXPECT_EQ(List({"c:", "c:\\A B", "c:\\A B\\c.d"}), Prefixes("c:\\A B\\c.d"));
    EXPECT_EQ(List({}), Prefixes("")) << "no folder, nothing to create";
    EXPECT_EQ(8u, Prefixes("a\\b\\c\\d\\e\\f\\g\\h").size());
    EXPECT_EQ(List({}), Prefixes("a\\b\\c\\d\\e\\f\\g\\h\\i")) << "more levels than room: none";
}

TEST(SetupInstallPaths, NamesBesideAFileWhileItIsPutInPlace) {
    char side[16] = "stale";
    ASSERT_TRUE(BuildSideName("C:\\A\\B.QKT", '~', side, sizeof side));
    EXPECT_STREQ("C:\\A\\B.QK~", side);
    EXPECT_FALSE(BuildSideName("", '~', side, sizeof side));
    EXPECT_STREQ("", side);
    EXPECT_FALSE(BuildSideName("C:\\LONGER\\BB.QKT", '~', side, sizeof side));
    EXPECT_STREQ("", side) << "a cut name would stand beside another file";

    // After a cut-off run: a kept file is the working one only while its own name is missing.
    EXPECT_EQ(KeptNothing, DecideKeptFile(true, false));
    EXPECT_EQ(KeptNothing, DecideKeptFile(false, false));
    EXPECT_EQ(KeptMoveBack, DecideKeptFile(false, true)) << "cut between the two renames";
    EXPECT_EQ(KeptDelete, DecideKeptFile(true, true)) << "replaced by a whole, flushed copy";
}
