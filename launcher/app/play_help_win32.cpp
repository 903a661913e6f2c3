// The main dialog's Play and Help commands.
#include "play_help.h"

#include <shellapi.h>

#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../core/handoff.h"
#include "../resources/resource_ids.h"
#include "../syscheck/disc_paths.h"
#include "../syscheck/requirements.h"
#include "../syscheck/title_disc.h"
#include "help_command.h"

BOOL PlayTitle(HWND mainDialog) {
    if (RunRegisteredProgram(InstanceOf(mainDialog), IDS_MAKER, IDS_PRODUCT, IDS_PLAYER_VALUE))
        return TRUE;
    if (!CheckSystemRequirements(InstanceOf(mainDialog)))
        return FALSE;
    if (WaitForTitleDisc(mainDialog) == kTitleNotFound)
        return FALSE;
    return LaunchFromDisc(mainDialog, IDS_PLAYER);
}

BOOL LaunchFromDisc(HWND mainDialog, UINT id) {
    // Searched again: the disc may have been taken out since Play found it.
    unsigned char drive = WaitForTitleDisc(mainDialog);
    if (drive == kTitleNotFound)
        return FALSE;
    char commandLine[256];
    LoadFixedString(id, commandLine, sizeof commandLine);
    ResolveDiscPath(commandLine, sizeof commandLine, drive, TitleRoot());
    return StartProgram(commandLine);
}

BOOL ShowHelp(HWND mainDialog, UINT offset) {
    unsigned char drive = WaitForTitleDisc(mainDialog);
    if (drive == kTitleNotFound)
        return FALSE;
    char document[256];
    if (LoadLangString(offset, document, sizeof document) == 0 || document[0] == '\0')
        LoadFixedString(IDS_HELP_DOCUMENT, document, sizeof document);
    ResolveDiscPath(document, sizeof document, drive, TitleRoot());

    char program[MAX_PATH] = "";
    HINSTANCE found = FindExecutableA(document, NULL, program);
    if (reinterpret_cast<INT_PTR>(found) <= 32) // no association, or no document
        return FALSE;
    char commandLine[MAX_PATH + sizeof document + 8];
    if (!BuildHelpCommandLine(program, document, commandLine, sizeof commandLine))
        return FALSE;
    return StartProgram(commandLine);
}
