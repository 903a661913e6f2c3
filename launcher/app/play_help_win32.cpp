// The main dialog's Play and Help commands.
#include "play_help.h"

#include <shellapi.h>

#include "../../common/command_quoting.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../../common/system_library.h"
#include "../core/handoff.h"
#include "../resources/resource_ids.h"
#include "../syscheck/requirements.h"
#include "../syscheck/title_disc.h"
#include "help_command.h"

BOOL PlayTitle(HWND mainDialog) {
    if (RunRegisteredProgram(InstanceOf(mainDialog), IDS_MAKER, IDS_PRODUCT, IDS_PLAYER_VALUE))
        return TRUE;
    if (!CheckSystemRequirements(InstanceOf(mainDialog)))
        return FALSE;
    const TitleLocation title = LocateTitle(mainDialog);
    if (title.drive == kTitleNotFound)
        return FALSE;
    char stored[256], player[MAX_PATH], commandLine[MAX_PATH + 2] = "";
    LoadFixedString(IDS_PLAYER, stored, sizeof stored);
    return ResolveDiscPath(stored, title, player, sizeof player) &&
           AppendPathArgument(commandLine, sizeof commandLine, player) &&
           StartProgram(player, commandLine);
}

BOOL ShowHelp(HWND mainDialog, UINT offset) {
    const TitleLocation title = LocateTitle(mainDialog);
    if (title.drive == kTitleNotFound)
        return FALSE;
    char stored[256], document[MAX_PATH];
    if (LoadLangString(offset, stored, sizeof stored) == 0 || stored[0] == '\0')
        LoadFixedString(IDS_HELP_DOCUMENT, stored, sizeof stored);
    if (!ResolveDiscPath(stored, title, document, sizeof document))
        return FALSE;

    // The shell's DLL is loaded only now: at start-up it would delay the first window.
    typedef HINSTANCE(WINAPI * FindExecutableCall)(LPCSTR, LPCSTR, LPSTR);
    const FindExecutableCall findExecutable =
        SystemCall<FindExecutableCall>("shell32.dll", "FindExecutableA");
    char program[MAX_PATH] = "";
    HINSTANCE found =
        findExecutable != NULL ? findExecutable(document, NULL, program) : HINSTANCE(NULL);
    if (reinterpret_cast<INT_PTR>(found) <= 32) // no association, or no document
        return FALSE;
    char commandLine[2 * MAX_PATH + 8];
    if (!BuildHelpCommandLine(program, document, commandLine, sizeof commandLine))
        return FALSE;
    return StartProgram(program, commandLine);
}
