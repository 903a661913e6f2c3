// Help opens the disc's help document in the program associated with .WRI documents and leaves
// the launcher open.
#include <gtest/gtest.h>

#include "tests/support/drives.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using namespace play_session;

namespace {
// A reader under a folder with blanks, as associated programs usually are.
const char kReaderFolder[] = "C:\\Program Files\\Brindle Help Reader";
const char kReader[] = "C:\\Program Files\\Brindle Help Reader\\RECORDER.EXE";
const char kProgId[] = "BrindleTest.HelpDocument";

bool SetClassesDefault(const std::string &key, const std::string &value) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle,
                        NULL) != ERROR_SUCCESS)
        return false;
    LONG result =
        RegSetValueExA(handle, NULL, 0, REG_SZ, reinterpret_cast<const BYTE *>(value.c_str()),
                       DWORD(value.size() + 1));
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

// The default value of a classes key; false when the key or value is missing.
bool ReadClassesDefault(const std::string &key, std::string *value) {
    char data[512] = "";
    LONG size = sizeof data;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, key.c_str(), data, &size) != ERROR_SUCCESS)
        return false;
    *value = data;
    return true;
}

void DeleteClassesTree(const std::string &key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_ALL_ACCESS, &handle) ==
        ERROR_SUCCESS) {
        char child[256];
        DWORD size = sizeof child;
        while (RegEnumKeyExA(handle, 0, child, &size, NULL, NULL, NULL, NULL) == ERROR_SUCCESS) {
            DeleteClassesTree(key + "\\" + child);
            size = sizeof child;
        }
        RegCloseKey(handle);
    }
    RegDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
}

class Help : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(RestoreDiscDrive());
        hadWri = ReadClassesDefault(".wri", &oldWri);
        CreateDirectoryA(kReaderFolder, NULL);
        ASSERT_TRUE(CopyFileA(RecorderPath().c_str(), kReader, FALSE));
        recordLog = "C:\\recorder-help.log";
        DeleteFileA(recordLog.c_str());
        SetEnvironmentVariableA("BRINDLE_RECORD_LOG", recordLog.c_str());
    }
    void TearDown() override {
        EndProcess(launcher);
        RestoreDiscDrive();
        if (hadWri)
            SetClassesDefault(".wri", oldWri);
        else
            DeleteClassesTree(".wri");
        DeleteClassesTree(kProgId);
        DeleteTree(kReaderFolder);
        ResetTitleState();
    }
    void AssociateWriWithReader() {
        ASSERT_TRUE(SetClassesDefault(".wri", kProgId));
        ASSERT_TRUE(SetClassesDefault(std::string(kProgId) + "\\shell\\open\\command",
                                      std::string("\"") + kReader + "\" \"%1\""));
    }
    void StartLauncher() {
        dialog = StartLauncherFromDisc(&launcher);
        ASSERT_NE(nullptr, dialog);
    }
    void StartAndPressHelp() {
        StartLauncher();
        ClickButton(dialog, kHelpButton);
    }
    void ExpectLauncherStaysOpen() {
        Settle(1000);
        EXPECT_FALSE(WaitForExit(launcher, 0));
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(nullptr, WaitForMessageBox(launcher.id, 300)) << "Help reports nothing";
    }
    static const int kHelpButton = 3000;
    bool hadWri = false;
    std::string oldWri, recordLog;
    Process launcher;
    HWND dialog = NULL;
};
} // namespace

TEST_F(Help, OpensTheDiscDocumentInItsProgramAndStaysOpen) {
    AssociateWriWithReader();
    StartAndPressHelp();
    // The program path is quoted, so "C:\Program" is never what runs.
    EXPECT_EQ(std::string("\"") + kReader + "\" e:\\BRINDMOR.WRI\r\n", WaitForFileText(recordLog));
    ExpectLauncherStaysOpen();

    DeleteFileA(recordLog.c_str()); // Help may be used again
    ClickButton(dialog, kHelpButton);
    EXPECT_EQ(std::string("\"") + kReader + "\" e:\\BRINDMOR.WRI\r\n", WaitForFileText(recordLog));
    ExpectLauncherStaysOpen();
}

TEST_F(Help, WithoutAnAssociationNothingHappens) {
    ASSERT_TRUE(SetClassesDefault(".wri", "BrindleTest.Unregistered"));
    StartAndPressHelp();
    ExpectLauncherStaysOpen();
    EXPECT_EQ("", ReadWholeFile(recordLog));
}

TEST_F(Help, MissingDiscPromptThenCancel) {
    AssociateWriWithReader();
    StartLauncher();
    ASSERT_TRUE(EjectDiscDrive());
    ClickButton(dialog, kHelpButton);
    HWND box = WaitForMessageBox(launcher.id, kWait);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(0u, MessageBoxText(box).find("The \"Brindlemoor\" CD-ROM was not found"));
    ClickButton(box, IDCANCEL);
    ASSERT_TRUE(WaitUntilGone(box));
    ExpectLauncherStaysOpen();
    EXPECT_EQ("", ReadWholeFile(recordLog));
}
