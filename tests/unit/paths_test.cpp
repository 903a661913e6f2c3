// The uninstaller's path texts: component paths and the temporary names.
#include <gtest/gtest.h>

#include "uninstaller/paths.h"

#include <cstdio>
#include <string>

TEST(UninstallerPaths, ComponentPaths) {
    char joined[16];
    EXPECT_TRUE(JoinPath("C:\\A", "B.EXE", joined, sizeof joined));
    EXPECT_STREQ("C:\\A\\B.EXE", joined);
    EXPECT_FALSE(JoinPath("C:\\LONGER", "NAME.EXE", joined, sizeof joined));
    EXPECT_STREQ("", joined) << "a cut path would name another file";
}

TEST(UninstallerPaths, TemporaryNames) {
    char batch[144], pif[144];
    ASSERT_TRUE(MakeTempNames("C:\\WINDOWS\\unt1A2B.TMP", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("C:\\WINDOWS\\unt1A2B.bat", batch);
    EXPECT_STREQ("C:\\WINDOWS\\unt1A2B.pif", pif);
    ASSERT_TRUE(MakeTempNames("C:\\WIN.DIR\\untA", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("C:\\WIN.bat", batch) << "the last dot, wherever it is";
    ASSERT_TRUE(MakeTempNames(".TMP", batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ(".TMP.bat", batch) << "position 0 is never taken for the dot";

    std::string longName = "C:\\" + std::string(136, 'w') + "\\u.TMP"; // 145 characters
    EXPECT_FALSE(MakeTempNames(longName.c_str(), batch, sizeof batch, pif, sizeof pif));
    EXPECT_STREQ("", batch);
    EXPECT_STREQ("", pif);
    std::string exact = "C:\\" + std::string(135, 'w') + "\\u.TMP"; // 144: no room for the NUL
    EXPECT_FALSE(MakeTempNames(exact.c_str(), batch, sizeof batch, pif, sizeof pif));
    std::string fits = "C:\\" + std::string(134, 'w') + "\\u.TMP"; // 143 characters
    EXPECT_TRUE(MakeTempNames(fits.c_str(), batch, sizeof batch, pif, sizeof pif));
    EXPECT_EQ(143u, std::string(batch).size());
}

TEST(UninstallerPaths, NormalisedAbsolutePaths) {
    const struct {
        const char *path, *normal; // nullptr: refused
    } rows[] = {
        {"C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\TWL\\BRINDMOR\\brindd95.exe"},
        {"C:/TWL//BRINDMOR/", "C:\\TWL\\BRINDMOR"},
        {"d:\\\\BRINDMOR.QKT", "d:\\BRINDMOR.QKT"},
        {"C:\\", "C:"},
        {"C:\\A\\.\\B\\..\\C", "C:\\A\\C"},
        {"C:\\..\\..\\A", "C:\\A"}, // never above the drive
        {"\\\\host\\share\\A\\..\\B", "\\\\host\\share\\B"},
        {"\\\\host\\share\\..", "\\\\host\\share"}, // never above the share
        {"//host/share/x", "\\\\host\\share\\x"},
        {"\\\\host", nullptr},
        {"\\\\host\\", nullptr},
        {"\\\\\\share", nullptr},
        {"C:BRINDMOR.QKT", nullptr},
        {"C:", nullptr},
        {"brindmor.qkt", nullptr},
        {"\\TWL\\BRINDMOR", nullptr},
        {"", nullptr},
    };
    for (const auto &row : rows) {
        char normal[64] = "stale";
        EXPECT_EQ(row.normal != nullptr, NormalisePath(row.path, normal, sizeof normal))
            << row.path;
        EXPECT_STREQ(row.normal != nullptr ? row.normal : "", normal) << row.path;
    }
    char small[8];
    EXPECT_FALSE(NormalisePath("C:\\LONGER\\NAME", small, sizeof small));
    EXPECT_STREQ("", small) << "a cut path would name another file";
    EXPECT_TRUE(NormalisePath("C:\\ABCD", small, sizeof small));
}

// The folders the disc's uninstaller removes: the installation's folder and each parent below its
// drive or share, never the root itself ("C:" alone names the drive's current folder).
TEST(UninstallerPaths, FoldersUpToTheRootAndSideNames) {
    const struct {
        const char *folder;
        bool belowRoot;
        const char *parent; // nullptr: no parent to remove
    } rows[] = {
        {"C:\\TWL\\BRINDMOR", true, "C:\\TWL"},
        {"C:\\TWL", true, nullptr},
        {"C:", false, nullptr},
        {"\\\\host\\share\\GAMES\\BRIND", true, "\\\\host\\share\\GAMES"},
        {"\\\\host\\share\\GAMES", true, nullptr},
        {"\\\\host\\share", false, nullptr},
        {"\\\\host", false, nullptr},
        {"TWL\\BRINDMOR", false, nullptr},
        {"", false, nullptr},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.belowRoot, IsFolderBelowRoot(row.folder)) << row.folder;
        char folder[64];
        snprintf(folder, sizeof folder, "%s", row.folder);
        EXPECT_EQ(row.parent != nullptr, CutToParentFolder(folder)) << row.folder;
        EXPECT_STREQ(row.parent != nullptr ? row.parent : row.folder, folder);
    }
}
