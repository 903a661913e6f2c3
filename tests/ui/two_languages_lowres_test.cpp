// The launcher of the disc sold in both markets, driven with each kind of Windows language setting:
// German for DEU, English for ENU and for a language it has no block for. Every window it shows is
// read back as the user sees it. On the 600x480 machine without sound, so that Play lists
// requirements.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/drives.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"
#include "tests/support/play_session.h"

#include <string>

using play_session::kWait;
using play_session::RecordInstalledTitle;
using play_session::WaitForDialog;
using play_session::WaitUntilGone;

namespace {
// What the launcher shows in one language.
struct Texts {
    const char *aboutCaption, *setupCaption, *browseCaption; // found by caption
    const wchar_t *required, *play, *setup, *help, *exit;
    const wchar_t *aboutTitle, *ok, *cancel;
    const wchar_t *setupText1, *setupStart, *setupBrowse, *neededStart;
    const wchar_t *installIn, *directories, *drives;
    const wchar_t *failed, *requirements;
};

const Texts kGerman = {
    "Info",
    "Installation",
    "Benutzerdefinierte Installation",
    L"Bevor Sie spielen können, muss das Spiel installiert werden.",
    L"Spielen",
    L"Installieren",
    L"Hilfe",
    L"Beenden",
    L"Brindlemoor",
    L"OK",
    L"Abbrechen",
    L"Klicken Sie auf „Installieren“, um die Dateien auf Ihre Festplatte zu kopieren, die das "
    L"Spiel dort benötigt. Sie werden im angegebenen Ordner installiert.",
    L"Installieren",
    L"Durchsuchen...",
    L"Benötigter Platz auf Laufwerk C: ",
    L"Spiel installieren in:",
    L"Ordner:",
    L"Laufwerke:",
    L"Die Installation ist fehlgeschlagen. Bitte prüfen Sie CD und Ordner.",
    L"„Brindlemoor“ kann nicht gestartet werden, weil Folgendes nicht erkannt wurde:\r\n\r\n"
    L"    * eine Grafikkarte mit 640 × 480 Bildpunkten und mindestens 256 Farben\r\n"
    L"    * eine Soundkarte",
};

const Texts kEnglish = {
    "About",
    "Setup",
    "Custom Install",
    L"Setup must be performed before playing.",
    L"Play",
    L"Setup",
    L"Help",
    L"Exit",
    L"Title",
    L"OK",
    L"Cancel",
    L"Press Setup to install the files which must be moved to your hard drive. They will be "
    L"installed in the specified directory.",
    L"Setup",
    L"Browse",
    L"Space needed on drive C: ",
    L"Install title in:",
    L"Directories:",
    L"Drives:",
    L"Setup could not install the title. Check the disc and the install folder.",
    L"\"Brindlemoor\" cannot be played since the following have not been detected:\r\n\r\n"
    L"    * a video display capable of 640 by 480 with at least 256 colors\r\n"
    L"    * a sound card",
};

const char kInstallFolder[] = "C:\\TWL\\BRINDMOR";

// The disc's files, copied to a drive folder of this test's own: the mount manager reads the
// label from the folder it is given.
bool CopyTwoLanguageDisc(const std::string &unixFolder) {
    const std::string from = DistPath("disc-de-en"), to = WindowsPathOf(unixFolder);
    CreateDirectoryA((to + "\\data").c_str(), NULL);
    for (const char *name : {"RBRINDMOR.EXE", "BRINDMOR.EXE", "BRINDMOR.WRI", "brindd95.exe",
                             "autorun.inf", "data\\install.qkt"})
        if (!CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE))
            return false;
    return true;
}

class TwoLanguages : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        disc_ = DriveFolder("disc-de-en");
        copied_ = CopyTwoLanguageDisc(disc_);
    }
    void SetUp() override {
        ResetTitleState();
        ASSERT_TRUE(copied_);
        ASSERT_TRUE(DefineDrive('e', disc_, DRIVE_CDROM, "BRINDLE_MOR"));
        char previous[32];
        hadSetting_ = GetProfileStringA("intl", "sLanguage", "", previous, sizeof previous) > 0;
        previous_ = previous;
    }
    void TearDown() override {
        EndProcess(launcher_);
        WriteProfileStringA("intl", "sLanguage", hadSetting_ ? previous_.c_str() : NULL);
        ResetTitleState();
    }

    // Starts the launcher with WIN.INI's [intl] sLanguage set to `setting`.
    HWND Start(const char *setting) {
        EndProcess(launcher_);
        EXPECT_TRUE(WriteProfileStringA("intl", "sLanguage", setting));
        HWND main = StartLauncherFromDisc(&launcher_);
        Settle();
        return main;
    }

    // A first run: the main window, About, Setup, the browser, and Setup failing.
    void ExpectFirstRun(const char *setting, const Texts &want) {
        HWND main = Start(setting);
        ASSERT_NE(nullptr, main);
        EXPECT_EQ(L"Brindlemoor", WideWindowText(main));
        EXPECT_EQ(want.required, WideControlText(main, IDC_STATUS));
        EXPECT_EQ(want.play, WideControlText(main, IDC_PLAY));
        EXPECT_EQ(want.setup, WideControlText(main, IDC_SETUP));
        EXPECT_EQ(want.help, WideControlText(main, IDC_HELP_BUTTON));
        EXPECT_EQ(want.exit, WideControlText(main, IDC_EXIT));

        PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
        HWND about = WaitForDialog(launcher_.id, want.aboutCaption);
        ASSERT_NE(nullptr, about);
        EXPECT_EQ(want.aboutTitle, WideControlText(about, IDC_ABOUT_TITLE));
        EXPECT_EQ(want.ok, WideControlText(about, IDOK));
        ClickButton(about, IDOK);
        ASSERT_TRUE(WaitUntilGone(about));

        ClickButton(main, IDC_SETUP);
        HWND setup = WaitForDialog(launcher_.id, want.setupCaption);
        ASSERT_NE(nullptr, setup);
        Settle();
        EXPECT_EQ(want.setupText1, WideControlText(setup, IDC_SETUP_TEXT1));
        EXPECT_EQ(want.setupStart, WideControlText(setup, IDC_SETUP_START));
        EXPECT_EQ(want.setupBrowse, WideControlText(setup, IDC_SETUP_BROWSE));
        EXPECT_EQ(want.cancel, WideControlText(setup, IDCANCEL));
        const std::wstring needed = WideControlText(setup, IDC_SETUP_NEEDED);
        EXPECT_EQ(want.neededStart, needed.substr(0, wcslen(want.neededStart)));

        ClickButton(setup, IDC_SETUP_BROWSE);
        HWND browser = WaitForDialog(launcher_.id, want.browseCaption);
        ASSERT_NE(nullptr, browser);
        Settle();
        EXPECT_EQ(want.installIn, WideControlText(browser, IDC_BROWSE_LABEL));
        EXPECT_EQ(want.directories, WideControlText(browser, IDC_BROWSE_FOLDERS_LABEL));
        EXPECT_EQ(want.drives, WideControlText(browser, IDC_BROWSE_DRIVES_LABEL));
        EXPECT_EQ(want.ok, WideControlText(browser, IDOK));
        EXPECT_EQ(want.cancel, WideControlText(browser, IDCANCEL));
        ClickButton(browser, IDCANCEL);
        ASSERT_TRUE(WaitUntilGone(browser));

        // A file where the install folder should go makes the install fail.
        ASSERT_TRUE(CreateDirectoryA("C:\\TWL", NULL));
        ASSERT_TRUE(WriteWholeFile(kInstallFolder, "a file in the folder's place"));
        ClickButton(setup, IDC_SETUP_START);
        ASSERT_TRUE(WaitUntilGone(setup));
        std::wstring status;
        for (DWORD start = GetTickCount(); GetTickCount() - start < kWait; Sleep(100)) {
            status = WideControlText(main, IDC_STATUS);
            if (status == want.failed)
                break;
        }
        EXPECT_EQ(want.failed, status);
        DeleteFileA(kInstallFolder);
    }

    // An installed title: Play lists what this machine lacks.
    void ExpectRequirements(const char *setting, const Texts &want) {
        ASSERT_TRUE(RecordInstalledTitle());
        HWND main = Start(setting);
        ASSERT_NE(nullptr, main);
        ClickButton(main, IDC_PLAY);
        HWND box = WaitForMessageBox(launcher_.id, kWait);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(want.requirements, WideControlText(box, 0xFFFF));
        EXPECT_EQ(L"Brindlemoor", WideWindowText(box));
        ClickButton(box, IDOK);
        EXPECT_TRUE(WaitUntilGone(box));
    }

    static std::string disc_;
    static bool copied_;
    DriveRestorer drives_;
    bool hadSetting_ = false;
    std::string previous_;
    Process launcher_;
};
std::string TwoLanguages::disc_;
bool TwoLanguages::copied_ = false;
} // namespace

TEST_F(TwoLanguages, GermanWindowsSeesGermanEverywhere) {
    ExpectFirstRun("DEU", kGerman);
    ExpectRequirements("deu", kGerman); // the setting is read in any case
}

TEST_F(TwoLanguages, EnglishWindowsSeesEnglish) {
    ExpectFirstRun("ENU", kEnglish);
    ExpectRequirements("ENU", kEnglish);
}

// French has a block base but no block on this disc; an unknown code has no base at all.
TEST_F(TwoLanguages, AnyOtherLanguageSeesEnglish) {
    ExpectFirstRun("FRA", kEnglish);
    ExpectRequirements("XYZ", kEnglish);
}
