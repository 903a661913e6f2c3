// The About box's pieces against real Win32: the window-menu entry, the version text read from
// version resources, and the system formatter that builds the version value's path.
#include <gtest/gtest.h>

#include "common/format_text.h"
#include "common/string_source.h"
#include "launcher/ui/about_box.h"
#include "launcher/ui/file_version.h"
#include "tests/support/driver.h"

#include <cstdlib>
#include <cstring>
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

// The system's formatter leaves a text that exactly fills the buffer unterminated and answers -1
// past it; FormatText must turn both into the same cut, terminated text and refusal everywhere.
TEST(FormatText, SystemFormatterFitsWholeOrIsRefused) {
    char text[8];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(7, FormatText(text, sizeof text, "%s%04X", "abc", 0x12u)); // fills it: "abc0012"
    EXPECT_STREQ("abc0012", text);
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(-1, FormatText(text, sizeof text, "%s%04X", "abcd", 0x12u)); // no room for the end
    EXPECT_STREQ("abcd001", text);
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(-1, FormatText(text, sizeof text, "\"%s\" /c %s", "cmd.exe", "x.bat"));
    EXPECT_STREQ("\"cmd.ex", text);
    EXPECT_EQ(-1, FormatText(text, 0, "%c", 'x'));
    EXPECT_STREQ("\"cmd.ex", text); // no room at all: nothing written
}
