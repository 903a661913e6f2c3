// The About box's pieces against real Win32: the window-menu entry and the version text read
// from version resources.
#include <gtest/gtest.h>

#include "common/string_source.h"
#include "launcher/ui/about_box.h"
#include "launcher/ui/file_version.h"
#include "tests/support/driver.h"

#include <cstdlib>
#include <string>

namespace {
std::string BuildPath(const char *file) {
    const char *build = std::getenv("BRINDLE_BUILD");
    return WindowsPathOf(std::string(build != NULL ? build : "/build") + "/" + file);
}

std::string VersionOf(const std::string &path, size_t capacity = 64) {
    char text[64];
    GetFileVersionText(path.c_str(), text, capacity);
    return text;
}
} // namespace

TEST(AboutMenuEntry, SeparatorAndEntryWithCommandOneAtTheEnd) {
    // The launcher's own string table, as the running launcher would read it.
    HMODULE launcher =
        LoadLibraryExA(DistPath("RBRINDMOR.EXE").c_str(), NULL, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(nullptr, launcher);
    SetStringSource(launcher, 160);
    HWND window = CreateWindowA("STATIC", "Brindlemoor", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0,
                                200, 100, NULL, NULL, GetModuleHandleA(NULL), NULL);
    ASSERT_NE(nullptr, window);
    int before = GetMenuItemCount(GetSystemMenu(window, FALSE));
    ASSERT_GT(before, 0);

    AddAboutMenuEntry(window);
    HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_EQ(before + 2, GetMenuItemCount(menu));
    MENUITEMINFOA separator = {};
    separator.cbSize = sizeof separator;
    separator.fMask = MIIM_FTYPE;
    ASSERT_TRUE(GetMenuItemInfoA(menu, before, TRUE, &separator));
    EXPECT_NE(0u, separator.fType & MFT_SEPARATOR);
    EXPECT_EQ(1u, GetMenuItemID(menu, before + 1));
    char text[64] = "";
    GetMenuStringA(menu, before + 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("About Brindlemoor...", text);
    EXPECT_EQ(0u, GetMenuState(menu, 1, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));

    DestroyWindow(window);
    SetStringSource(NULL, 0);
    FreeLibrary(launcher);
}

TEST(FileVersionText, FromTheBlockTheTranslationNames) {
    EXPECT_EQ("1.0", VersionOf(DistPath("RBRINDMOR.EXE"))); // block 040904E4
    // Longer than the eleven characters a version once had room for; shown whole.
    EXPECT_EQ("12.345.6789.10 beta", VersionOf(BuildPath("LONGVER.EXE")));
    EXPECT_EQ("12.345", VersionOf(BuildPath("LONGVER.EXE"), 7)); // cut only to the caller's room
    EXPECT_EQ("", VersionOf(BuildPath("RECORDER.EXE")));         // no version resource
    EXPECT_EQ("", VersionOf("C:\\no\\such\\file.exe"));
}
