// Setup driven as a person would: the Setup dialog's figures, the Custom Install browser, and the
// install with its progress picture, from the launcher on the simulated disc E:.
#include <gtest/gtest.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/bmp_image.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {
const DWORD kWait = 15000;
const int kPictureWidth = 427, kPictureHeight = 360;
const char kBrowserCaption[] = "Custom Install";

std::string DiscFile(const std::string &relative) {
    return DiscFolder() + "\\" + relative;
}

uint64_t FreeKb(const char *root) {
    ULARGE_INTEGER available = {}, total = {}, totalFree = {};
    GetDiskFreeSpaceExA(root, &available, &total, &totalFree);
    return available.QuadPart / 1024;
}

// The figure of a line "... C: <n> KB".
uint64_t LineFigure(const std::string &line) {
    size_t end = line.rfind(" KB");
    size_t start = line.rfind(' ', end - 1);
    if (end == std::string::npos || start == std::string::npos)
        return 0;
    return std::strtoull(line.substr(start + 1, end - start - 1).c_str(), NULL, 10);
}

// List-box items of another process, read wide.
std::vector<std::string> ListItems(HWND dialog, int id) {
    HWND list = GetDlgItem(dialog, id);
    std::vector<std::string> items;
    LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t wide[256] = L"";
        if (SendMessageW(list, LB_GETTEXTLEN, WPARAM(i), 0) >= 255)
            continue;
        SendMessageW(list, LB_GETTEXT, WPARAM(i), reinterpret_cast<LPARAM>(wide));
        char narrow[256] = "";
        WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, NULL, NULL);
        items.push_back(narrow);
    }
    return items;
}

bool EqualIgnoringCaseForTest(const std::string &a, const std::string &b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

bool Contains(const std::vector<std::string> &items, const std::string &item) {
    for (const std::string &i : items)
        if (i == item)
            return true;
    return false;
}

DWORD Selection(HWND dialog, int id) {
    return DWORD(SendMessageA(GetDlgItem(dialog, id), EM_GETSEL, 0, 0));
}

// Colour rows have pixels whose channels differ; black-and-white rows only black or white.
enum RowKind { RowColour, RowBlackWhite, RowOther };
RowKind KindOf(const std::vector<unsigned> &pixels, int row) {
    int coloured = 0;
    bool blackWhiteOnly = true;
    for (int x = 0; x < kPictureWidth; ++x) {
        unsigned p = pixels[size_t(row) * kPictureWidth + size_t(x)];
        int r = int(p >> 16), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
        if (p != 0 && p != 0xFFFFFF)
            blackWhiteOnly = false;
        if (std::abs(r - g) > 24 || std::abs(g - b) > 24 || std::abs(r - b) > 24)
            ++coloured;
    }
    if (blackWhiteOnly)
        return RowBlackWhite;
    return coloured > 8 ? RowColour : RowOther;
}

// A picture caught part way: colour rows above, only black-and-white rows from some row down.
bool PartlyFilled(const std::vector<unsigned> &pixels, int *firstBlackWhiteRow) {
    int row = 0, colour = 0;
    for (; row < kPictureHeight && KindOf(pixels, row) != RowBlackWhite; ++row)
        colour += KindOf(pixels, row) == RowColour ? 1 : 0;
    if (row == 0 || row == kPictureHeight || colour < row / 2)
        return false;
    for (int below = row; below < kPictureHeight; ++below)
        if (KindOf(pixels, below) != RowBlackWhite)
            return false;
    *firstBlackWhiteRow = row;
    return true;
}

class SetupUi : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTitleState();
        DeleteTree("C:\\MYGAMES");
        main_ = StartLauncherFromDisc(&launcher_);
        ASSERT_NE(nullptr, main_);
    }
    void TearDown() override {
        EndProcess(launcher_);
        ResetTitleState();
        DeleteTree("C:\\MYGAMES");
    }
    HWND OpenSetup() {
        ClickButton(main_, IDC_SETUP);
        HWND setup = WaitForTopWindow("#32770", "Setup", launcher_.id, kWait);
        Settle();
        return setup;
    }
    HWND OpenBrowser(HWND setup) {
        ClickButton(setup, IDC_SETUP_BROWSE);
        HWND browser = WaitForTopWindow("#32770", kBrowserCaption, launcher_.id, kWait);
        Settle();
        return browser;
    }
    // Waits for the status line to leave "Copying Files" behind.
    std::string WaitForInstallEnd() {
        std::string status;
        for (int i = 0; i < 600; ++i) {
            status = ControlText(main_, IDC_STATUS);
            if (status == "Ready to Play!" || status.find("could not") != std::string::npos)
                break;
            Sleep(100);
        }
        return status;
    }
    Process launcher_;
    HWND main_ = NULL;
};
} // namespace

TEST_F(SetupUi, SetupDialogShowsTheDefaultFolderAndTrueFigures) {
    uint64_t before = FreeKb("C:\\");
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    uint64_t after = FreeKb("C:\\");
    EXPECT_EQ("C:\\TWL\\BRINDMOR", ControlText(setup, IDC_SETUP_FOLDER));
    EXPECT_EQ("Press Cancel if you do not want to run setup at this time.",
              ControlText(setup, IDC_SETUP_TEXT3));
    uint64_t size = ReadWholeFile(DiscFile("data\\install.qkt")).size();
    EXPECT_EQ("Space needed on drive C: " + std::to_string((size + 500000) / 1024) + " KB",
              ControlText(setup, IDC_SETUP_NEEDED));
    std::string available = ControlText(setup, IDC_SETUP_AVAILABLE);
    EXPECT_EQ(0u, available.find("Space available on drive C: ")) << available;
    uint64_t shown = LineFigure(available);
    // Other programs write to the disk meanwhile: within 64 MB of what the system says.
    uint64_t low = (before < after ? before : after) - 65536;
    uint64_t high = (before > after ? before : after) + 65536;
    EXPECT_GE(shown, low) << available;
    EXPECT_LE(shown, high) << available;
    EXPECT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    ClickButton(setup, IDCANCEL);
    Settle();
    EXPECT_EQ(nullptr, FindTopWindow("#32770", "Setup", launcher_.id));
    EXPECT_FALSE(FileExists(IniPath()));
}

TEST_F(SetupUi, BrowserOffersNoCdRomAndCleansTheTypedFolder) {
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    std::string needed = ControlText(setup, IDC_SETUP_NEEDED);
    std::string available = ControlText(setup, IDC_SETUP_AVAILABLE);
    HWND browser = OpenBrowser(setup);
    ASSERT_NE(nullptr, browser);
    EXPECT_FALSE(IsWindowVisible(setup)); // hidden while the browser is up

    EXPECT_EQ("C:\\TWL\\BRINDMOR", ControlText(browser, IDC_BROWSE_EDIT));
    EXPECT_EQ("Install title in:", ControlText(browser, IDC_BROWSE_LABEL));
    std::vector<std::string> drives = ListItems(browser, IDC_BROWSE_DRIVES);
    EXPECT_TRUE(Contains(drives, "[-c-]"));
    EXPECT_FALSE(Contains(drives, "[-e-]")) << "the CD-ROM drive is offered";
    EXPECT_FALSE(Contains(ListItems(browser, IDC_BROWSE_FOLDERS), "[..]")); // at c:'s root

    TypeInto(browser, IDC_BROWSE_EDIT, "C:\\MY ");
    EXPECT_EQ("C:\\MY", ControlText(browser, IDC_BROWSE_EDIT));
    EXPECT_EQ(MAKELONG(5, 5), LONG(Selection(browser, IDC_BROWSE_EDIT))); // just after MY
    TypeInto(browser, IDC_BROWSE_EDIT, "C:\\MY GAMES");
    EXPECT_EQ("C:\\MYGAMES", ControlText(browser, IDC_BROWSE_EDIT));
    TypeInto(browser, IDC_BROWSE_EDIT, "C:\\A*B?C|D");
    EXPECT_EQ("C:\\ABCD", ControlText(browser, IDC_BROWSE_EDIT));
    EXPECT_TRUE(ControlEnabled(browser, IDOK));
    TypeInto(browser, IDC_BROWSE_EDIT, "");
    EXPECT_FALSE(ControlEnabled(browser, IDOK)); // nothing that parses as a path

    ClickButton(browser, IDCANCEL);
    Settle();
    EXPECT_EQ(nullptr, FindTopWindow("#32770", kBrowserCaption, launcher_.id));
    EXPECT_TRUE(IsWindowVisible(setup));
    EXPECT_EQ("C:\\TWL\\BRINDMOR", ControlText(setup, IDC_SETUP_FOLDER));
    EXPECT_EQ(needed, ControlText(setup, IDC_SETUP_NEEDED));
    EXPECT_EQ(0u, ControlText(setup, IDC_SETUP_AVAILABLE).find("Space available on drive C: "));
    (void)available;
    ClickButton(setup, IDCANCEL);
}

TEST_F(SetupUi, BrowserWalksFoldersAndRefusesAMissingDrive) {
    CreateDirectoryA("C:\\MYGAMES", NULL);
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    HWND browser = OpenBrowser(setup);
    ASSERT_NE(nullptr, browser);
    // Into [mygames] and back up through [..].
    std::vector<std::string> folders = ListItems(browser, IDC_BROWSE_FOLDERS);
    LRESULT index = -1;
    for (size_t i = 0; i < folders.size(); ++i)
        if (EqualIgnoringCaseForTest(folders[i], "[mygames]"))
            index = LRESULT(i);
    ASSERT_GE(index, 0) << "no [mygames] among " << folders.size() << " folders";
    HWND list = GetDlgItem(browser, IDC_BROWSE_FOLDERS);
    SendMessageA(list, LB_SETCURSEL, WPARAM(index), 0);
    SendMessageA(browser, WM_COMMAND, MAKEWPARAM(IDC_BROWSE_FOLDERS, LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list));
    Settle();
    std::string inside = ControlText(browser, IDC_BROWSE_EDIT);
    EXPECT_TRUE(EqualIgnoringCaseForTest(inside, "C:\\MYGAMES")) << inside;
    EXPECT_TRUE(Contains(ListItems(browser, IDC_BROWSE_FOLDERS), "[..]"));

    TypeInto(browser, IDC_BROWSE_EDIT, "q:\\x");
    ASSERT_TRUE(ControlEnabled(browser, IDOK));
    ClickButton(browser, IDOK);
    HWND box = WaitForMessageBox(launcher_.id, kWait);
    ASSERT_NE(nullptr, box);
    EXPECT_EQ("Drive q: is non-existent. Please specify a different drive.", MessageBoxText(box));
    EXPECT_EQ("Brindlemoor", WindowText(box));
    ClickButton(box, IDOK);
    Settle();
    EXPECT_NE(nullptr, FindTopWindow("#32770", kBrowserCaption, launcher_.id));
    EXPECT_EQ(IDC_BROWSE_EDIT, FocusedControlId(browser));
    EXPECT_EQ(MAKELONG(0, 4), LONG(Selection(browser, IDC_BROWSE_EDIT)));

    ClickButton(browser, IDCANCEL);
    Settle();
    EXPECT_TRUE(IsWindowVisible(setup));
    EXPECT_EQ("C:\\TWL\\BRINDMOR", ControlText(setup, IDC_SETUP_FOLDER));
    ClickButton(setup, IDCANCEL);
}

TEST_F(SetupUi, AFolderChosenInTheBrowserIsWhereTheFilesGo) {
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    HWND browser = OpenBrowser(setup);
    ASSERT_NE(nullptr, browser);
    TypeInto(browser, IDC_BROWSE_EDIT, "C:\\MYGAMES\\BRIND");
    ClickButton(browser, IDOK);
    Settle();
    ASSERT_EQ(nullptr, FindTopWindow("#32770", kBrowserCaption, launcher_.id));
    EXPECT_EQ("C:\\MYGAMES\\BRIND", ControlText(setup, IDC_SETUP_FOLDER));
    EXPECT_EQ(0u, ControlText(setup, IDC_SETUP_NEEDED).find("Space needed on drive C: "));
    ASSERT_TRUE(ControlEnabled(setup, IDC_SETUP_START));
    ClickButton(setup, IDC_SETUP_START);
    EXPECT_EQ("Ready to Play!", WaitForInstallEnd());
    EXPECT_TRUE(ReadWholeFile(DiscFile("data\\install.qkt")) ==
                ReadWholeFile("C:\\MYGAMES\\BRIND\\BRINDMOR.QKT"));
    EXPECT_TRUE(FileExists("C:\\MYGAMES\\BRIND\\brindd95.exe"));
    EXPECT_FALSE(FolderExists("C:\\TWL"));
    char value[260] = "";
    GetPrivateProfileStringA("Brindlemoor", "Install", "", value, sizeof value, IniPath().c_str());
    EXPECT_STREQ("C:\\MYGAMES\\BRIND\\BRINDMOR.QKT", value);
}

TEST_F(SetupUi, InstallFillsThePictureAndEndsReadyToPlay) {
    // A large data file keeps the copy going long enough to watch it.
    std::string data = DiscFile("data\\install.qkt"), kept = data + ".kept";
    ASSERT_TRUE(MoveFileA(data.c_str(), kept.c_str()));
    HANDLE big = CreateFileA(data.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    LARGE_INTEGER size;
    size.QuadPart = 768ll << 20;
    bool sized = big != INVALID_HANDLE_VALUE && SetFilePointerEx(big, size, NULL, FILE_BEGIN) &&
                 SetEndOfFile(big);
    if (big != INVALID_HANDLE_VALUE)
        CloseHandle(big);

    HWND setup = sized ? OpenSetup() : NULL;
    std::vector<int> boundaries; // first black-and-white row of each picture caught part way
    RgbImage shot;
    std::string status;
    if (setup != NULL && ControlEnabled(setup, IDC_SETUP_START)) {
        ClickButton(setup, IDC_SETUP_START);
        // The screen is watched, as a user sees it: until the whole picture is back after the
        // black-and-white one was seen, or a minute passed.
        bool sawBlackWhite = false;
        for (DWORD start = GetTickCount(); GetTickCount() - start < 60000;) {
            std::vector<unsigned> shown = PictureOnScreenNow(main_, kPictureWidth, kPictureHeight);
            if (KindOf(shown, kPictureHeight - 1) == RowBlackWhite)
                sawBlackWhite = true;
            else if (sawBlackWhite)
                break;
            int boundary = 0;
            if (PartlyFilled(shown, &boundary)) {
                if (boundaries.empty() || boundary != boundaries.back())
                    boundaries.push_back(boundary);
                // Keep one from the middle of the copy for the report when there is one.
                if (shot.pixels.empty() || (boundary > 120 && boundary < 240)) {
                    shot.width = kPictureWidth;
                    shot.height = kPictureHeight;
                    shot.pixels = shown;
                }
            }
        }
        status = WaitForInstallEnd();
    }
    if (!shot.pixels.empty()) {
        const char *build = std::getenv("BRINDLE_BUILD");
        std::string folder = WindowsPathOf(std::string(build != NULL ? build : "") + "/screens");
        CreateDirectoryA(folder.c_str(), NULL);
        EXPECT_TRUE(WriteBmp24(folder + "\\setup_progress.bmp", shot));
    }
    DeleteTree("C:\\TWL");
    DeleteFileA(data.c_str());
    MoveFileA(kept.c_str(), data.c_str());

    ASSERT_TRUE(sized);
    ASSERT_NE(nullptr, setup);
    ASSERT_FALSE(boundaries.empty()) << "no picture caught part way through the copy";
    EXPECT_GE(boundaries.size(), 2u) << "the colour part did not grow while watched";
    for (size_t i = 1; i < boundaries.size(); ++i)
        EXPECT_LT(boundaries[i - 1], boundaries[i]) << "the colour part shrank";
    EXPECT_EQ("Ready to Play!", status);
    EXPECT_TRUE(ControlEnabled(main_, IDC_PLAY));
    EXPECT_EQ(IDC_PLAY, FocusedControlId(main_));
    // At the end the whole picture is in colour again.
    std::vector<unsigned> done = PictureOnScreen(main_, kPictureWidth, kPictureHeight);
    EXPECT_NE(RowBlackWhite, KindOf(done, kPictureHeight - 1));
}

// Folders Windows would keep under another name than the one typed are refused in a box that
// says why, and the browser stays open with the text selected: a level ending in a dot (the box
// takes no blanks), a path without its drive's backslash, a substitute drive (its letter exists
// only in the session that made it). A short (8.3) name is taken in its long form.
TEST_F(SetupUi, BrowserRefusesFoldersWindowsSpellsAnotherWay) {
    ASSERT_TRUE(CreateDirectoryA("C:\\MYGAMES", NULL));
    ASSERT_TRUE(CreateDirectoryA("C:\\MYGAMES\\Long Folder Name", NULL));
    ASSERT_TRUE(DefineDosDeviceA(0, "S:", "C:\\MYGAMES"));
    HWND setup = OpenSetup();
    ASSERT_NE(nullptr, setup);
    HWND browser = OpenBrowser(setup);
    const struct {
        const char *typed, *box;
    } rows[] = {
        {"C:\\TWL\\BRIND.",
         "A folder name cannot end with a dot or a blank. Please specify a different folder."},
        {"C:\\TWL\\...",
         "A folder name cannot end with a dot or a blank. Please specify a different folder."},
        {"C:TWL", "Please specify the folder in full, beginning with its drive, such as "
                  "C:\\TWL\\BRINDMOR."},
        {"S:\\BRIND", "Drive S: stands for a folder on another drive. Please specify that folder "
                      "on its own drive."},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.typed);
        ASSERT_NE(nullptr, browser);
        TypeInto(browser, IDC_BROWSE_EDIT, row.typed);
        ASSERT_TRUE(ControlEnabled(browser, IDOK));
        ClickButton(browser, IDOK);
        HWND box = WaitForMessageBox(launcher_.id, kWait);
        ASSERT_NE(nullptr, box);
        EXPECT_EQ(row.box, MessageBoxText(box));
        EXPECT_EQ("Brindlemoor", WindowText(box));
        ClickButton(box, IDOK);
        Settle();
        EXPECT_NE(nullptr, FindTopWindow("#32770", kBrowserCaption, launcher_.id));
        EXPECT_EQ(IDC_BROWSE_EDIT, FocusedControlId(browser));
        EXPECT_EQ(MAKELONG(0, std::string(row.typed).size()),
                  LONG(Selection(browser, IDC_BROWSE_EDIT)));
    }
    DefineDosDeviceA(DDD_REMOVE_DEFINITION, "S:", NULL);

    char shortName[MAX_PATH] = "";
    ASSERT_NE(0u, GetShortPathNameA("C:\\MYGAMES\\Long Folder Name", shortName, MAX_PATH));
    ASSERT_STRNE("C:\\MYGAMES\\Long Folder Name", shortName);
    TypeInto(browser, IDC_BROWSE_EDIT, std::string(shortName) + "\\BRIND");
    ClickButton(browser, IDOK);
    Settle();
    ASSERT_EQ(nullptr, FindTopWindow("#32770", kBrowserCaption, launcher_.id));
    EXPECT_EQ("C:\\MYGAMES\\Long Folder Name\\BRIND", ControlText(setup, IDC_SETUP_FOLDER));
    ClickButton(setup, IDCANCEL);
    Settle();
    EXPECT_FALSE(FolderExists("C:\\TWL"));
}
