// Texts the launcher puts into its one-line statics, measured in the dialog's own font against
// the part of the control a user sees: each must be readable whole, not cut at the edge.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/drive_space.h"
#include "launcher/setup/space_lines.h"
#include "tests/support/driver.h"

#include <string>

namespace {
class OneLineTexts : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        module = LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
        // The main dialog's template names the launcher's class: a copy of the dialog class.
        WNDCLASSEXA dialogClass = {};
        dialogClass.cbSize = sizeof dialogClass;
        GetClassInfoExA(NULL, MAKEINTRESOURCEA(32770), &dialogClass);
        dialogClass.hInstance = GetModuleHandleA(NULL);
        dialogClass.lpszClassName = "TWL_AUTORUN";
        RegisterClassExA(&dialogClass);
    }
    static void TearDownTestSuite() { FreeLibrary(module); }
    void SetUp() override {
        ASSERT_NE(nullptr, module);
        SetStringSource(module, LANG_BASE_ENGLISH);
    }
    void TearDown() override {
        if (dialog_ != NULL)
            DestroyWindow(dialog_);
    }
    static INT_PTR CALLBACK Quiet(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

    // The launcher's dialog made from its built template, in this process.
    void Open(WORD id) {
        HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(5)); // RT_DIALOG
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
HMODULE OneLineTexts::module = NULL;
} // namespace

TEST_F(OneLineTexts, TheMainWindowsStatusLine) {
    Open(IDD_MAIN);
    // The layout keeps the status line's place and size and makes the window as wide as the
    // picture, which ends the visible line.
    const LONG width = PictureWidth();
    ASSERT_GT(width, 0);
    const UINT shown[] = {LANG_SETUP_REQUIRED, LANG_SETUP_INCOMPLETE, LANG_COPYING,
                          LANG_READY,          LANG_INSTALL_FAILED,   LANG_INSTALL_TOO_LARGE};
    for (UINT offset : shown)
        ExpectFits(IDC_STATUS, Lang(offset), width);
}

TEST_F(OneLineTexts, TheSetupDialogsSpaceLines) {
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
