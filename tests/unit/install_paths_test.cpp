// Install paths: the data file, the uninstaller and its source, folders to create, the folder.
#include <gtest/gtest.h>

#include "launcher/setup/install_folder.h"
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

void Collect(const char *prefix, void *context) {
    static_cast<std::vector<std::string> *>(context)->push_back(prefix);
}

std::vector<std::string> Prefixes(const char *folder) {
    std::vector<std::string> found;
    ForEachFolderPrefix(folder, Collect, &found);
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
}

TEST(SetupInstallFolder, KeepsAtMost255Characters) {
    SetInstallFolder("C:\\TWL\\BRINDMOR");
    EXPECT_STREQ("C:\\TWL\\BRINDMOR", InstallFolder());
    std::string longFolder = "C:\\" + std::string(300, 'y');
    SetInstallFolder(longFolder.c_str());
    EXPECT_EQ(longFolder.substr(0, 255), InstallFolder());
    SetInstallFolder("");
}
