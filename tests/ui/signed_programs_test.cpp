// The programs as a publisher signs them (tests/ui/sign_disc signs a disc with a throwaway
// certificate first): the signed launcher opens its window, and the signed uninstaller asks its
// question and removes an installation.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"
#include "tests/support/uninstall_state.h"

#include <cstdlib>
#include <string>

namespace {
const DWORD kWait = 15000;

std::string SignedProgram(const char *name) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "") + "/signing/signed/disc/" + name);
}

class SignedPrograms : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTemporaryBatchFiles();
    }
    void TearDown() override {
        EndProcess(process);
        WaitUntilGone(INSTALL_FOLDER, kWait);
        DeleteTemporaryBatchFiles();
        ResetTitleState();
    }
    Process process;
};
} // namespace

TEST_F(SignedPrograms, TheLauncherOpensItsWindow) {
    const std::string launcher = SignedProgram("RBRINDMOR.EXE");
    ASSERT_TRUE(FileExists(launcher)) << launcher << ": sign_disc made no signed disc";
    process = StartProcess(launcher, "E:\\");
    HWND dialog = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", process.id, kWait);
    ASSERT_NE(nullptr, dialog);
    EXPECT_EQ("Setup must be performed before playing.", ControlText(dialog, IDC_STATUS));
    ClickButton(dialog, IDC_EXIT);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(process, kWait, &code));
    EXPECT_EQ(0u, code);
}

TEST_F(SignedPrograms, TheUninstallerAsksAndRemovesTheInstallation) {
    const std::string uninstaller = SignedProgram("brindd95.exe");
    ASSERT_TRUE(PrepareInstalledState());
    ASSERT_TRUE(CopyFileA(uninstaller.c_str(), INSTALLED_UNINSTALLER, FALSE)) << uninstaller;
    process = StartProcess(INSTALLED_UNINSTALLER);
    HWND question = WaitForConfirmation(process.id, kWait);
    ASSERT_NE(nullptr, question);
    EXPECT_EQ("Are you sure you want to delete Brindlemoor from your computer?",
              ControlText(question, 1001));
    ClickButton(question, 1002);
    DWORD code = 99;
    ASSERT_TRUE(WaitForExit(process, kWait, &code));
    EXPECT_EQ(0u, code);
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, kWait)) << "the signed uninstaller did not go";
}
