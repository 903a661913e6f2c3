// The launcher's entry: language, hand-off, single instance, then the main dialog.
#include <windows.h>

#include "../../common/string_source.h"
#include "../../common/system_library.h"
#include "../core/handoff.h"
#include "../core/language_choice.h"
#include "../core/language_setting.h"
#include "../resources/resource_ids.h"
#include "launcher_class.h"

static_assert(LANG_TITLE == kTitleOffset, "the message boxes take the title from its offset");

// Restores and raises a window of the class captioned with the title; TRUE when one exists.
static BOOL BringForward(const char *className, const char *title) {
    HWND existing = FindWindowA(className, title);
    if (existing == NULL)
        return FALSE;
    if (IsIconic(existing))
        OpenIcon(existing);
    BringWindowToTop(existing);
    return TRUE;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    RestrictDllSearch(); // before anything loads a DLL
    const unsigned base = SelectLanguageBase(instance);
    SetStringSource(instance, base, LANGID(DialogLanguageOfBase(base)));
    if (RunRegisteredProgram(instance, IDS_MAKER, IDS_PRODUCT, IDS_AUTORUN_VALUE))
        return 0;

    char title[64];
    LoadLangString(LANG_TITLE, title, sizeof title);
    if (BringForward(LAUNCHER_CLASS, title) || BringForward(PLAYER_CLASS, title))
        return 0;

    // The version is read but no Windows version is refused.
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);

    RunMainDialog(instance);
    return 0;
}
