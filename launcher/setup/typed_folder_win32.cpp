// The checks a typed install folder passes before anything is installed into it.
#include "typed_folder.h"

#include <windows.h>

#include "refused_chars.h"

bool TypedFolderUsable(const char *folder, const InstallFacts &facts) {
    for (const char *at = folder; *at != '\0'; ++at)
        if (IsRefusedCharacter(*at))
            return false;
    OFSTRUCT parsed = {};
    parsed.cBytes = sizeof parsed;
    return OpenFile(folder, &parsed, OF_PARSE) != HFILE_ERROR &&
           CheckInstallFolder(folder, facts) == InstallAccepted;
}
