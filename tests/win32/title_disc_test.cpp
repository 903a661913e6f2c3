// Finding the title's disc among simulated drives, and locating the title for an installation.
#include <gtest/gtest.h>

#include <cstdlib>

#include "launcher/syscheck/title_disc.h"
#include "tests/support/driver.h"
#include "tests/support/drives.h"
#include "tests/support/machine_state.h"

namespace {
const char kLabel[] = "BRINDLE_MOR";

// Letters no rig drive uses: the tests define and remove them freely.
const char kFirst = 'm', kSecond = 'n';

class TitleDiscTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(RestoreDiscDrive());
        ASSERT_EQ(UINT(DRIVE_NO_ROOT_DIR), DriveType(kFirst));
        ASSERT_EQ(UINT(DRIVE_NO_ROOT_DIR), DriveType(kSecond));
        drives_.Forget(kFirst);
        drives_.Forget(kSecond);
    }
    // A simulated drive on its own scratch folder.
    void Define(char letter, UINT type, const char *label) {
        const std::string name = std::string("drive-") + letter;
        ASSERT_TRUE(DefineDrive(letter, DriveFolder(name), type, label)) << letter;
    }
    DriveRestorer drives_;
};
} // namespace

// The simulation itself: what was defined is what Win32 reports, and the rig's disc comes back.
TEST_F(TitleDiscTest, SimulatedDrivesReportTheirTypeAndLabel) {
    EXPECT_EQ(UINT(DRIVE_CDROM), DriveType('e'));
    EXPECT_EQ(kLabel, DriveLabel('e'));

    Define(kFirst, DRIVE_CDROM, "OTHER_DISC");
    Define(kSecond, DRIVE_FIXED, kLabel);
    EXPECT_EQ(UINT(DRIVE_CDROM), DriveType(kFirst));
    EXPECT_EQ("OTHER_DISC", DriveLabel(kFirst));
    EXPECT_EQ(UINT(DRIVE_FIXED), DriveType(kSecond));
    EXPECT_EQ(kLabel, DriveLabel(kSecond));

    ASSERT_TRUE(EjectDiscDrive());
    EXPECT_EQ(UINT(DRIVE_CDROM), DriveType('e'));
    EXPECT_EQ("", DriveLabel('e'));
    ASSERT_TRUE(RestoreDiscDrive());
    EXPECT_EQ(kLabel, DriveLabel('e'));

    ASSERT_TRUE(RemoveDrive(kFirst));
    EXPECT_EQ(UINT(DRIVE_NO_ROOT_DIR), DriveType(kFirst));
}

TEST_F(TitleDiscTest, DiscOnlyInTheSecondCdromDrive) {
    ASSERT_TRUE(EjectDiscDrive()); // e: is a CD-ROM drive without a disc
    Define(kFirst, DRIVE_CDROM, "OTHER_DISC");
    Define(kSecond, DRIVE_CDROM, kLabel);
    EXPECT_FALSE(IsTitleDisc("e:\\", kLabel));
    EXPECT_FALSE(IsTitleDisc("m:\\", kLabel));
    EXPECT_TRUE(IsTitleDisc("n:\\", kLabel));
    EXPECT_EQ('n', FindTitleDisc(kLabel));
}

TEST_F(TitleDiscTest, DiscInTwoDrivesTheLowerLetterWins) {
    Define(kSecond, DRIVE_CDROM, kLabel);
    EXPECT_EQ('e', FindTitleDisc(kLabel));
    ASSERT_TRUE(EjectDiscDrive());
    Define(kFirst, DRIVE_CDROM, kLabel);
    EXPECT_EQ('m', FindTitleDisc(kLabel));
}

TEST_F(TitleDiscTest, OnlyAnExactLabelOnACdromDriveCounts) {
    ASSERT_TRUE(EjectDiscDrive());
    Define(kFirst, DRIVE_CDROM, "brindle_mor");
    Define(kSecond, DRIVE_FIXED, kLabel);
    ASSERT_EQ(kLabel, DriveLabel(kSecond)); // the fixed drive really carries the label
    EXPECT_FALSE(IsTitleDisc("m:\\", kLabel));
    EXPECT_FALSE(IsTitleDisc("n:\\", kLabel));
    EXPECT_EQ(0, FindTitleDisc(kLabel));
    // The label is compared whole: a longer one does not match a prefix.
    Define(kFirst, DRIVE_CDROM, "BRINDLE_MOR2");
    EXPECT_EQ(0, FindTitleDisc(kLabel));
}

TEST_F(TitleDiscTest, NoCdromDriveAtAll) {
    ASSERT_TRUE(RemoveDrive('e'));
    for (char letter = 'a'; letter <= 'z'; ++letter)
        ASSERT_NE(UINT(DRIVE_CDROM), DriveType(letter)) << letter;
    EXPECT_EQ(0, FindTitleDisc(kLabel));
    ASSERT_TRUE(RestoreDiscDrive());
    EXPECT_EQ('e', FindTitleDisc(kLabel));
}

namespace {
// Runs the locate probe copied to `folder` (Windows path); its report, or "" when it did not end.
// A prompt the probe shows is answered with `answer` (0: expect no prompt).
struct ProbeRun {
    std::string report;
    std::string prompt;
};
ProbeRun RunLocateProbe(const std::string &folder, int answer, bool restoreDiscFirst = false) {
    ProbeRun run;
    const std::string probe = folder + "\\LOCATEPROBE.EXE";
    const std::string report = folder + "\\report.txt";
    DeleteFileA(report.c_str());
    const char *build = std::getenv("BRINDLE_BUILD");
    if (!CopyFileA(WindowsPathOf(std::string(build ? build : ".") + "/LOCATEPROBE.EXE").c_str(),
                   probe.c_str(), FALSE))
        return run;
    Process process = StartProcess("\"" + probe + "\" " + report, folder.c_str());
    if (answer != 0) {
        HWND box = WaitForMessageBox(process.id, 10000);
        if (box != NULL) {
            run.prompt = MessageBoxText(box);
            if (restoreDiscFirst)
                RestoreDiscDrive();
            ClickButton(box, answer);
        }
    }
    if (WaitForExit(process, 15000))
        run.report = ReadWholeFile(report);
    else if (HWND box = WaitForMessageBox(process.id, 0))
        run.prompt = MessageBoxText(box);
    EndProcess(process);
    return run;
}
} // namespace

// A launcher in X:\TITLE\SETUP\ with the title's program in X:\TITLE\: no disc needed, no prompt.
TEST_F(TitleDiscTest, LocateTitleFallsBackToTheTitleRoot) {
    const std::string unix = DriveFolder("title-x");
    const std::string setup = WindowsPathOf(unix) + "\\TITLE\\SETUP";
    CreateDirectoryA((WindowsPathOf(unix) + "\\TITLE").c_str(), NULL);
    CreateDirectoryA(setup.c_str(), NULL);
    ASSERT_TRUE(WriteWholeFile(WindowsPathOf(unix) + "\\TITLE\\BRINDMOR.EXE", "stand-in"));
    ASSERT_TRUE(DefineDrive(kFirst, unix, DRIVE_FIXED, NULL));
    const std::string folder = "M:\\TITLE\\SETUP";

    ASSERT_TRUE(EjectDiscDrive());
    ProbeRun run = RunLocateProbe(folder, 0);
    EXPECT_EQ("", run.prompt);
    EXPECT_EQ("255\nM:\\TITLE\\\n", run.report);

    // With the disc in E: the disc wins and the title root is not computed.
    ASSERT_TRUE(RestoreDiscDrive());
    run = RunLocateProbe(folder, 0);
    EXPECT_EQ(std::to_string(int('e')) + "\n\n", run.report);
}

// Neither disc nor program under the root: the prompt; Cancel gives 0 (with the root it looked
// in), Retry with the disc back gives its letter and no root.
TEST_F(TitleDiscTest, LocateTitleAsksForTheDisc) {
    const std::string unix = DriveFolder("bare-x");
    CreateDirectoryA((WindowsPathOf(unix) + "\\TITLE").c_str(), NULL);
    CreateDirectoryA((WindowsPathOf(unix) + "\\TITLE\\SETUP").c_str(), NULL);
    DeleteFileA((WindowsPathOf(unix) + "\\TITLE\\BRINDMOR.EXE").c_str());
    ASSERT_TRUE(DefineDrive(kFirst, unix, DRIVE_FIXED, NULL));
    const std::string folder = "M:\\TITLE\\SETUP";

    ASSERT_TRUE(EjectDiscDrive());
    ProbeRun run = RunLocateProbe(folder, IDCANCEL);
    EXPECT_EQ("The \"Brindlemoor\" CD-ROM was not found in the CD-ROM drive. Please insert it in a "
              "CD-ROM drive and press Retry.",
              run.prompt);
    EXPECT_EQ("0\nM:\\TITLE\\\n", run.report);

    ASSERT_TRUE(EjectDiscDrive());
    run = RunLocateProbe(folder, IDRETRY, true);
    EXPECT_FALSE(run.prompt.empty());
    EXPECT_EQ(std::to_string(int('e')) + "\n\n", run.report);
}
