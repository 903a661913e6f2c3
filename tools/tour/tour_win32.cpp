// The guided tour: one unattended session with the title, as a person would have it, with a
// screenshot of every step. Run inside the demo rig by `scripts/demo --tour`.
//   TOUR.EXE OUTDIR [de]   writes OUTDIR\NN-step.bmp, their captions in OUTDIR\captions.txt
//                          ("NN<tab>caption" lines, for the contact sheet) and OUTDIR\tour.log;
//                          with "de", Windows' language setting says German first (for the disc
//                          for both markets)
#include <windows.h>

#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/launcher_window.h"
#include "tests/support/machine_state.h"

#include <cstdio>
#include <string>

namespace {
std::string gOut;
int gStep = 0;
FILE *gLog = NULL;
FILE *gCaptions = NULL;

void Note(const std::string &text) {
    std::fprintf(gLog, "%s\n", text.c_str());
    std::fflush(gLog);
}

// Saves the whole screen as a 24-bit BMP named after the step, once the screen has settled
// (or at once, for a moment that passes quickly), and notes the step's caption.
void Shot(const std::string &name, const char *caption, bool settle = true) {
    if (settle)
        Settle(400);
    int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    RECT screen = {0, 0, w, h};
    std::vector<unsigned> pixels = CapturePixels(screen);
    char file[MAX_PATH];
    std::snprintf(file, sizeof file, "%s\\%02d-%s.bmp", gOut.c_str(), ++gStep, name.c_str());
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    BITMAPINFOHEADER ih = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof ih;
    fh.bfSize = fh.bfOffBits + DWORD(stride * h);
    ih.biSize = sizeof ih;
    ih.biWidth = w;
    ih.biHeight = h;
    ih.biPlanes = 1;
    ih.biBitCount = 24;
    std::string bytes(reinterpret_cast<const char *>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char *>(&ih), sizeof ih);
    std::string row(size_t(stride), '\0');
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            unsigned px = pixels.empty() ? 0 : pixels[size_t(y) * size_t(w) + size_t(x)];
            row[size_t(x) * 3] = char(px & 0xFF);
            row[size_t(x) * 3 + 1] = char((px >> 8) & 0xFF);
            row[size_t(x) * 3 + 2] = char((px >> 16) & 0xFF);
        }
        bytes += row;
    }
    WriteWholeFile(file, bytes);
    Note(std::string("screenshot ") + file);
    std::fprintf(gCaptions, "%02d\t%s\n", gStep, caption);
    std::fflush(gCaptions);
}

HWND WaitDialog(const char *caption, DWORD pid) {
    HWND dialog = WaitForTopWindow("#32770", caption, pid, 20000);
    Note(std::string(dialog != NULL ? "found " : "MISSING ") + caption);
    return dialog;
}

bool WaitForText(HWND dialog, int id, const std::string &text, DWORD ms) {
    DWORD start = GetTickCount();
    while (ControlText(dialog, id) != text) {
        if (GetTickCount() - start > ms)
            return false;
        Sleep(20);
    }
    return true;
}

bool IsBlackAndWhite(const std::vector<unsigned> &pixels, int row) {
    for (int x = 0; x < 427; ++x) {
        unsigned px = pixels[size_t(row) * 427 + size_t(x)];
        if (px != 0 && px != 0xFFFFFF)
            return false;
    }
    return true;
}

// A visible top-level window whose caption contains the text.
HWND FindWindowWithCaption(const char *part) {
    struct Search {
        const char *part;
        HWND found;
    } search = {part, NULL};
    EnumWindows(
        [](HWND window, LPARAM lParam) -> BOOL CALLBACK {
            Search &s = *reinterpret_cast<Search *>(lParam);
            if (IsWindowVisible(window) && WindowText(window).find(s.part) != std::string::npos) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// What the tour looks for on the screen, in the language the launcher shows.
struct TourTexts {
    const char *setup, *browse, *ready, *about;
};
const TourTexts kEnglish = {"Setup", "Custom Install", "Ready to Play!", "About"};
const TourTexts kGerman = {"Installation", "Benutzerdefinierte Installation", "Bereit zum Spielen!",
                           "Info"};

int Fail(const std::string &why) {
    Note("tour stopped: " + why);
    return 1;
}
} // namespace

int main(int argc, char **argv) {
    gOut = argc > 1 ? argv[1] : ".";
    gLog = std::fopen((gOut + "\\tour.log").c_str(), "w");
    gCaptions = std::fopen((gOut + "\\captions.txt").c_str(), "w");
    if (gLog == NULL || gCaptions == NULL)
        return 2;
    const bool german = argc > 2 && std::string(argv[2]) == "de";
    const TourTexts &texts = german ? kGerman : kEnglish;
    if (german)
        WriteProfileStringA("intl", "sLanguage", "DEU");

    Process launcher = StartProcess("E:\\RBRINDMOR.EXE", "E:\\");
    HWND main = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", launcher.id, 20000);
    if (main == NULL)
        return Fail("the launcher did not open");
    Shot("first-run", "The launcher on first run");

    ClickButton(main, IDC_SETUP);
    HWND setup = WaitDialog(texts.setup, launcher.id);
    if (setup == NULL)
        return Fail("no Setup dialog");
    Shot("setup", "Setup: the folder and the space");

    ClickButton(setup, IDC_SETUP_BROWSE);
    HWND browse = WaitDialog(texts.browse, launcher.id);
    if (browse == NULL)
        return Fail("no Custom Install dialog");
    Shot("browse", "Custom Install");
    SendMessageA(GetDlgItem(browse, IDC_BROWSE_EDIT), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("C:\\GAMES\\BRINDLEMOOR"));
    Shot("browse-custom-folder", "Another folder typed in");
    ClickButton(browse, IDOK);
    Settle(800);
    Shot("setup-custom-folder", "Setup with that folder");

    ClickButton(setup, IDC_SETUP_START);
    // The launcher answers no messages while it copies, so the picture itself is watched for the
    // moment its upper part is in colour again and its bottom still black and white.
    for (DWORD start = GetTickCount(); GetTickCount() - start < 60000;) {
        std::vector<unsigned> shown = PictureOnScreenNow(main, 427, 360);
        if (!shown.empty() && IsBlackAndWhite(shown, 359) && !IsBlackAndWhite(shown, 150)) {
            Shot("installing", "Installing: the picture fills", false);
            break;
        }
    }
    if (!WaitForText(main, IDC_STATUS, texts.ready, 300000))
        return Fail("the install did not finish: " + ControlText(main, IDC_STATUS));
    Shot("ready-to-play", "Ready to Play!");

    ClickButton(main, IDC_HELP_BUTTON);
    Settle(3000);
    HWND help = FindWindowWithCaption("BRINDMOR.WRI");
    Shot("help", "Help opens the help document");
    if (help != NULL)
        PostMessageA(help, WM_CLOSE, 0, 0);
    Settle(800);

    PostMessageA(main, WM_SYSCOMMAND, IDM_ABOUT, 0);
    HWND about = WaitDialog(texts.about, launcher.id);
    Shot("about", "About");
    if (about != NULL)
        ClickButton(about, IDOK);
    Settle(500);

    ClickButton(main, IDC_PLAY);
    HWND player = WaitForTopWindow("TWL_ORB", "Brindlemoor", 0, 20000);
    DWORD code = 99;
    WaitForExit(launcher, 20000, &code);
    Note("launcher ended with " + std::to_string(code));
    Shot("playing", "Play starts the title");
    if (player != NULL)
        PostMessageA(player, WM_CLOSE, 0, 0);
    EndProcess(launcher);

    std::string uninstall;
    if (!ReadRegistryString(UNINSTALL_KEY, "UninstallString", &uninstall))
        return Fail("no uninstall entry");
    Note("UninstallString " + uninstall);
    Process remover = StartProcess(uninstall);
    HWND confirm = WaitDialog("Brindlemoor", remover.id);
    Shot("uninstall-confirm", "The uninstaller asks once");
    if (confirm != NULL)
        ClickButton(confirm, 1002);
    WaitForExit(remover, 30000, &code);
    EndProcess(remover);
    Settle(4000);
    Note(std::string("install folder ") +
         (FolderExists("C:\\GAMES\\BRINDLEMOOR") ? "still there" : "removed"));
    Note(std::string("uninstall entry ") +
         (RegistryKeyExists(UNINSTALL_KEY) ? "still there" : "removed"));

    Process again = StartProcess("E:\\RBRINDMOR.EXE", "E:\\");
    if (WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", again.id, 20000) != NULL)
        Shot("after-removal", "After the removal");
    EndProcess(again);
    Note("tour complete");
    std::fclose(gLog);
    std::fclose(gCaptions);
    return 0;
}
