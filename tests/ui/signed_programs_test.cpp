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

TEST(SignedPrograms, TheLauncherOpensAndTheUninstallerRemovesAnInstallation) {
    const char *build = std::getenv("BRINDLE_BUILD");
    const std::string disc =
        WindowsPathOf(std::string(build != NULL ? build : "") + "/signing/signed/disc");
    ASSERT_TRUE(FileExists(disc + "\\RBRINDMOR.EXE")) << disc << ": sign_disc made no signed disc";
    ResetTitleState();
    DeleteTemporaryBatchFiles();
    DWORD code = 99;

    Process launcher = StartProcess(disc + "\\RBRINDMOR.EXE", "E:\\");
    HWND dialog = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher.id, 15000);
    EXPECT_NE(nullptr, dialog);
    EXPECT_EQ("Setup must be performed before playing.", ControlText(dialog, IDC_STATUS));
    ClickButton(dialog, IDC_EXIT);
    EXPECT_TRUE(WaitForExit(launcher, 15000, &code));
    EXPECT_EQ(0u, code);
    EndProcess(launcher);

    ASSERT_TRUE(PrepareInstalledState());
    ASSERT_TRUE(CopyFileA((disc + "\\brindd95.exe").c_str(), INSTALLED_UNINSTALLER, FALSE));
    code = 99;
    EXPECT_TRUE(RunUninstaller(INSTALLED_UNINSTALLER, 1002, &code)) << "no question or no end";
    EXPECT_EQ(0u, code);
    EXPECT_FALSE(FileExists(INSTALLED_DATA_FILE));
    EXPECT_FALSE(RegistryKeyExists(UNINSTALL_KEY));
    EXPECT_TRUE(WaitUntilGone(INSTALL_FOLDER, 15000)) << "the signed uninstaller did not go";
    DeleteTemporaryBatchFiles();
    ResetTitleState();
}
