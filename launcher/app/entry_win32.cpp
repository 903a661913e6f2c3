// The launcher's entry: language, hand-off, single instance, then the main dialog.
#include <windows.h>

#include "../../common/string_source.h"
#include "../../common/system_library.h"
#include "../core/handoff.h"
#include "../core/language_choice.h"
#include "../core/language_setting.h"
#include "../resources/resource_ids.h"
#include "elevated_install.h"
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

// The shipped launcher sets none of these; test builds (tools/standins/launcher_seams) compile
// this file with a switch that sets one.
static LaunchOptions TestBuildOptions() {
    LaunchOptions options = {};
#if defined(TEST_PAUSE_PER_CHUNK)
    options.pausePerChunk = TEST_PAUSE_PER_CHUNK;
#endif
#if defined(TEST_RIGHTS_ASK) // Vista or later, an administrator's split token, not elevated
    options.rightsGiven = true;
    options.rights = RightsFacts{true, true, ElevationKind::Limited, false, true};
#elif defined(TEST_RIGHTS_IMPOSSIBLE) // a standard user while UAC is off
    options.rightsGiven = true;
    options.rights = RightsFacts{true, true, ElevationKind::Default, false, false};
#endif
    return options;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    RestrictDllSearch(); // before anything loads a DLL
    const unsigned base = SelectLanguageBase(instance);
    SetStringSource(instance, base, LANGID(DialogLanguageOfBase(base)));
    const LaunchOptions options = TestBuildOptions();
    // The launcher started elevated by another one: it installs and ends, with no window of its
    // own and no hand-off or single-instance test (the launcher that started it is running).
    if (IsElevatedRequest(commandLine))
        return RunElevatedInstall(instance, commandLine, options.pausePerChunk);
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

    RunMainDialog(instance, options);
    return 0;
}
