// The installation state read from BRINDMOR.INI and the data file, with the launcher's own strings.
#include <gtest/gtest.h>

#include "common/install_record_file.h"
#include "launcher/core/install_state.h"
#include "common/string_source.h"
#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

namespace {
class InstallStateTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        launcher_ =
            LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, launcher_);
        SetStringSource(launcher_, LANG_BASE_ENGLISH);
        CreateDirectoryA("C:\\TWL", NULL);
        CreateDirectoryA("C:\\TWL\\BRINDMOR", NULL);
    }
    void TearDown() override {
        if (launcher_ != NULL)
            FreeLibrary(launcher_);
        ResetTitleState();
    }
    static void Record(const char *section, const char *path) {
        WritePrivateProfileStringA(section, "Install", path, IniPath().c_str());
        WritePrivateProfileStringA(NULL, NULL, NULL, IniPath().c_str()); // flush the cache
    }
    HMODULE launcher_ = NULL;
};
const char kData[] = "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT";
} // namespace

TEST_F(InstallStateTest, NothingRecordedIsRequired) {
    EXPECT_EQ(SetupRequired, GetInstallState());
    InstallRecordPlace place;
    ASSERT_TRUE(TitleRecordPlace(&place));
    EXPECT_EQ(IniPath(), place.file);
    char path[260] = "stale";
    EXPECT_EQ(RecordAbsent, ReadInstallRecord(place, path, sizeof path));
    EXPECT_STREQ("", path);

    Record("Brindlemoor", ""); // an empty value is no record either
    EXPECT_EQ(SetupRequired, GetInstallState());
}

TEST_F(InstallStateTest, RecordedWithAndWithoutItsDataFile) {
    Record("Brindlemoor", kData);
    EXPECT_EQ(SetupIncomplete, GetInstallState());

    ASSERT_TRUE(WriteWholeFile(kData, "data"));
    EXPECT_EQ(SetupComplete, GetInstallState());
    EXPECT_TRUE(InstalledDataPresent(kData));
    EXPECT_FALSE(InstalledDataPresent("C:\\TWL\\BRINDMOR\\MISSING.QKT"));
    EXPECT_FALSE(InstalledDataPresent("C:\\TWL\\BRINDMOR")); // a folder is no file
}

TEST_F(InstallStateTest, RecordUnderAnotherSectionIsNotSeen) {
    ASSERT_TRUE(WriteWholeFile(kData, "data"));
    Record("Brindlemoor Deutsch", kData);
    EXPECT_EQ(SetupRequired, GetInstallState());
}

// A deep install folder (path over 127 characters) still finds its data file.
TEST_F(InstallStateTest, LongDataFilePath) {
    std::string folder = "C:\\TWL";
    while (folder.size() < 200) {
        folder += "\\LONGFOLDERNAME";
        CreateDirectoryA(folder.c_str(), NULL);
    }
    const std::string data = folder + "\\BRINDMOR.QKT";
    ASSERT_TRUE(WriteWholeFile(data, "data"));
    Record("Brindlemoor", data.c_str());
    EXPECT_EQ(SetupComplete, GetInstallState());
}
