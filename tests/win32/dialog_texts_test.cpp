// Texts the launcher puts into its dialogs, measured in the dialog's own font against the part of
// each control a user sees: every text must be readable whole, not cut at an edge, in the
// English-only launcher and in both languages of the launcher for both markets.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/drive_space.h"
#include "launcher/setup/shield_button.h"
#include "launcher/setup/space_lines.h"
#include "tests/support/driver.h"
#include "tests/support/shield_pixels.h"

#include <ostream>
#include <string>
#include <vector>

namespace {
// A launcher and the block and dialogs it shows in one language.
struct Language {
    const char *name;
    const char *program;
    unsigned base;
    LANGID dialogs; // the German dialogs, where there is one, else the English
};
const Language kLanguages[] = {
    {"EnglishOnly", "RBRINDMOR.EXE", LANG_BASE_ENGLISH, 0},
    {"BothInEnglish", "disc-de-en\\RBRINDMOR.EXE", LANG_BASE_ENGLISH, 0},
    {"BothInGerman", "disc-de-en\\RBRINDMOR.EXE", 320, MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN)}};

void PrintTo(const Language &language, std::ostream *out) {
    *out << language.name;
}

class DialogTexts : public ::testing::TestWithParam<Language> {
  protected:
    static void SetUpTestSuite() {
        // The main dialog's template names the launcher's class: a copy of the dialog class.
        WNDCLASSEXA dialogClass = {};
        dialogClass.cbSize = sizeof dialogClass;
        GetClassInfoExA(NULL, MAKEINTRESOURCEA(32770), &dialogClass);
        dialogClass.hInstance = GetModuleHandleA(NULL);
        dialogClass.lpszClassName = "TWL_AUTORUN";
        RegisterClassExA(&dialogClass);
    }
    void SetUp() override {
        module =
            LoadLibraryExA(DistPath(GetParam().program).c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(nullptr, module);
        SetStringSource(module, GetParam().base);
    }
    void TearDown() override {
        if (dialog_ != NULL)
            DestroyWindow(dialog_);
        FreeLibrary(module);
    }
    static INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    // The launcher's dialog made from its built template, in this process: the language's own
    // template where there is one, as the launcher picks it.
    void Open(WORD id) {
        HRSRC found = NULL;
        if (GetParam().dialogs != 0)
            found = FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id),
                                    GetParam().dialogs);
        if (found == NULL)
            found = FindResourceExA(module, MAKEINTRESOURCEA(5), MAKEINTRESOURCEA(id),
                                    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
        ASSERT_NE(nullptr, found);
        const DLGTEMPLATE *resource =
            static_cast<const DLGTEMPLATE *>(LockResource(LoadResource(module, found)));
        dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(NULL), resource, NULL, Quiet, 0);
        ASSERT_NE(nullptr, dialog_);
    }
    // Pixels of `text` in the control's font, and the width of the control a user sees: its own,
    // or up to `visibleRight` (client x) when the window ends before it.
    void ExpectFits(int control, const std::string &text, LONG visibleRight) {
        HWND item = GetDlgItem(dialog_, control);
        ASSERT_NE(nullptr, item);
        RECT rect;
        GetClientRect(item, &rect);
        MapWindowPoints(item, dialog_, reinterpret_cast<POINT *>(&rect), 2);
        const LONG seen = (rect.right < visibleRight ? rect.right : visibleRight) - rect.left;
        HDC context = GetDC(item);
        HGDIOBJ previous =
            SelectObject(context, reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32A(context, text.c_str(), int(text.size()), &size);
        SelectObject(context, previous);
        ReleaseDC(item, context);
        EXPECT_LE(size.cx, seen) << "\"" << text << "\" is cut";
    }
    // Width and height `text` takes in the window's font, wrapped at `wrapWidth` when it is not 0.
    static SIZE TextSize(HWND window, HFONT font, const std::string &text, LONG wrapWidth,
                         UINT flags) {
        HDC context = GetDC(window);
        HGDIOBJ previous = SelectObject(context, font);
        RECT need = {0, 0, wrapWidth, 0};
        DrawTextA(context, text.c_str(), -1, &need,
                  DT_CALCRECT | flags | (wrapWidth != 0 ? DT_WORDBREAK : DT_SINGLELINE));
        SelectObject(context, previous);
        ReleaseDC(window, context);
        return SIZE{need.right - need.left, need.bottom - need.top};
    }
    // The open dialog's caption, and every visible text and button in it, shown whole: a text
    // that wraps within its control's height and width, a button's text inside its border.
    void ExpectEveryTextWhole() {
        NONCLIENTMETRICSA metrics = {};
        metrics.cbSize = sizeof metrics;
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
        HFONT captionFont = CreateFontIndirectA(&metrics.lfCaptionFont);
        const std::string caption = WindowText(dialog_);
        RECT frame;
        GetWindowRect(dialog_, &frame);
        // The caption shares the bar with the window menu's icon and the close box.
        const LONG bar = frame.right - frame.left - 2 * GetSystemMetrics(SM_CXSIZE) - 8;
        EXPECT_LE(TextSize(dialog_, captionFont, caption, 0, 0).cx, bar)
            << "caption \"" << caption << "\" is cut";
        DeleteObject(captionFont);
        for (HWND item = GetWindow(dialog_, GW_CHILD); item != NULL;
             item = GetWindow(item, GW_HWNDNEXT)) {
            char kind[16] = "";
            GetClassNameA(item, kind, sizeof kind);
            const LONG style = GetWindowLongA(item, GWL_STYLE);
            const bool button = lstrcmpiA(kind, "Button") == 0;
            const std::string text = WindowText(item);
            if (text.empty() || !(style & WS_VISIBLE) ||
                (!button && lstrcmpiA(kind, "Static") != 0) ||
                (button && (style & BS_TYPEMASK) == BS_GROUPBOX) ||
                (!button && (style & SS_TYPEMASK) == SS_ICON))
                continue;
            RECT client;
            GetClientRect(item, &client);
            const HFONT font = reinterpret_cast<HFONT>(SendMessageA(item, WM_GETFONT, 0, 0));
            const UINT prefix = !button && (style & SS_NOPREFIX) ? DT_NOPREFIX : 0;
            if (button) {
                const LONG inside = client.right - 2 * GetSystemMetrics(SM_CXEDGE) - 2;
                EXPECT_LE(TextSize(item, font, text, 0, 0).cx, inside)
                    << "button \"" << text << "\" is cut";
                continue;
            }
            const bool wraps = (style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP;
            const SIZE need = TextSize(item, font, text, wraps ? client.right : 0, prefix);
            EXPECT_LE(need.cx, client.right) << "\"" << text << "\" is cut at the side";
            EXPECT_LE(need.cy, client.bottom) << "\"" << text << "\" is cut at the bottom";
        }
    }
    static std::string Lang(UINT offset) {
        char text[256];
        LoadLangString(offset, text, sizeof text);
        return text;
    }
    // The picture's width: the main dialog's client area after the layout.
    static LONG PictureWidth() {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(IDB_PICTURE), MAKEINTRESOURCEA(2));
        const BITMAPINFOHEADER *header =
            static_cast<const BITMAPINFOHEADER *>(LockResource(LoadResource(module, found)));
        return header != NULL ? header->biWidth : 0;
    }
    static HMODULE module;
    HWND dialog_ = NULL;
};
HMODULE DialogTexts::module = NULL;
} // namespace

TEST_P(DialogTexts, TheMainWindowsStatusLine) {
    Open(IDD_MAIN);
    // The layout keeps the status line's place and size and makes the window as wide as the
    // picture, which ends the visible line.
    const LONG width = PictureWidth();
    ASSERT_GT(width, 0);
    const UINT shown[] = {LANG_SETUP_REQUIRED,
                          LANG_SETUP_INCOMPLETE,
                          LANG_COPYING,
                          LANG_READY,
                          LANG_INSTALL_FAILED,
                          LANG_INSTALL_TOO_LARGE,
                          LANG_INSTALL_DENIED,
                          LANG_INSTALL_EARLIER,
                          LANG_ELEVATION_DECLINED,
                          LANG_ELEVATION_IMPOSSIBLE,
                          LANG_ELEVATION_NETWORK_DRIVE};
    for (UINT offset : shown)
        ExpectFits(IDC_STATUS, Lang(offset), width);
}

TEST_P(DialogTexts, TheSetupDialogsSpaceLines) {
    Open(IDD_SETUP);
    // Figures as large as today's drives and a data file the copy cannot take give.
    char line[256];
    BuildSpaceLine(Lang(LANG_SPACE_AVAILABLE).c_str(), "C:\\TWL", 999999999999ull, line,
                   sizeof line);
    ExpectFits(IDC_SETUP_AVAILABLE, line, LONG_MAX);
    BuildSpaceLine(Lang(LANG_SPACE_NEEDED).c_str(), "C:\\TWL", NeededKb(0x1FFFFFFFFull), line,
                   sizeof line);
    for (UINT reason : {LANG_SPACE_SHORT, LANG_DATA_TOO_LARGE})
        ExpectFits(IDC_SETUP_NEEDED, line + Lang(reason), LONG_MAX);
}

// Where Setup asks for an administrator's rights, its button shows the shield beside the whole of
// its text ("Installieren" in German), measured on the screen as the button draws itself.
TEST_P(DialogTexts, TheSetupButtonsShieldLeavesItsTextWhole) {
    Open(IDD_SETUP);
    HWND button = GetDlgItem(dialog_, IDC_SETUP_START);
    ASSERT_NE(nullptr, button);
    ShowShield(button);
    SetForegroundWindow(dialog_);
    UpdateWindow(dialog_);
    const ShieldButtonPixels read = ReadShieldButton(button);
    ASSERT_TRUE(read.shieldFound);
    const std::string text = WindowText(button);
    EXPECT_GE(read.inkLeft, read.shield.right) << "\"" << text << "\" under the shield";
    EXPECT_EQ(
        InkWidth(reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0)), text.c_str()),
        read.inkRight - read.inkLeft + 1)
        << "\"" << text << "\" is not shown whole";
    EXPECT_LT(read.inkRight, read.width - 4) << "\"" << text << "\" runs into the frame";
}

// Each dialog with the texts the launcher puts in it (the About box's version line is short).
TEST_P(DialogTexts, EveryDialogShowsItsTextsWhole) {
    const struct {
        WORD dialog;
        int control;
        UINT offset;
    } shown[] = {{IDD_MAIN, IDC_PLAY, LANG_PLAY},
                 {IDD_MAIN, IDC_SETUP, LANG_SETUP},
                 {IDD_MAIN, IDC_HELP_BUTTON, LANG_HELP},
                 {IDD_MAIN, IDC_EXIT, LANG_EXIT},
                 {IDD_ABOUT, IDC_ABOUT_NOTICE, LANG_NOTICE},
                 {IDD_ABOUT, IDC_ABOUT_BLANK, LANG_BLANK_LINE},
                 {IDD_ABOUT, IDC_ABOUT_ENGINE, LANG_ENGINE_NOTICE},
                 {IDD_ABOUT, IDOK, LANG_OK},
                 {IDD_SETUP, IDC_SETUP_TEXT1, LANG_SETUP_TEXT1},
                 {IDD_SETUP, IDC_SETUP_TEXT2, LANG_SETUP_TEXT2},
                 {IDD_SETUP, IDC_SETUP_TEXT3, LANG_SETUP_TEXT3},
                 {IDD_SETUP, IDC_SETUP_FOLDER, LANG_DEFAULT_FOLDER},
                 {IDD_BROWSE, IDC_BROWSE_LABEL, LANG_INSTALL_IN},
                 {IDD_BROWSE, IDC_BROWSE_FOLDERS_LABEL, LANG_DIRECTORIES},
                 {IDD_BROWSE, IDC_BROWSE_DRIVES_LABEL, LANG_DRIVES},
                 {IDD_BROWSE, IDOK, LANG_OK},
                 {IDD_BROWSE, IDCANCEL, LANG_CANCEL}};
    for (WORD id : {IDD_MAIN, IDD_ABOUT, IDD_SETUP, IDD_BROWSE}) {
        SCOPED_TRACE("dialog " + std::to_string(id));
        Open(id);
        ASSERT_NE(nullptr, dialog_);
        if (id == IDD_ABOUT)
            SetWindowTextA(dialog_, Lang(LANG_ABOUT_CAPTION).c_str());
        if (id == IDD_MAIN)
            SetWindowTextA(dialog_, Lang(LANG_TITLE).c_str());
        for (const auto &row : shown)
            if (row.dialog == id)
                SetDlgItemTextA(dialog_, row.control, Lang(row.offset).c_str());
        ExpectEveryTextWhole();
        // Only the main window may be larger than the work area of 640 x 480 with a taskbar.
        RECT frame;
        GetWindowRect(dialog_, &frame);
        if (id != IDD_MAIN) {
            EXPECT_LE(frame.bottom - frame.top, 452);
            EXPECT_LE(frame.right - frame.left, 640);
        }
        DestroyWindow(dialog_);
        dialog_ = NULL;
    }
}

INSTANTIATE_TEST_SUITE_P(Launchers, DialogTexts, ::testing::ValuesIn(kLanguages),
                         [](const ::testing::TestParamInfo<Language> &info) {
                             return std::string(info.param.name);
                         });
