// Finding the title: its disc by drive type and volume label, else the title root beside the
// launcher, else by asking the user to insert the disc. Setup, Play and Help all find it so.
#include "title_disc.h"

#include "../../common/message_box.h"
#include "../../common/process.h"
#include "../../common/string_source.h"
#include "../resources/resource_ids.h"

BOOL IsTitleDisc(const char *root, const char *label) {
    if (GetDriveTypeA(root) != DRIVE_CDROM)
        return FALSE;
    char name[260] = "";
    DWORD longest = 0, flags = 0;
    if (!GetVolumeInformationA(root, name, sizeof name, NULL, &longest, &flags, NULL, 0))
        return FALSE;
    return lstrcmpA(name, label) == 0;
}

unsigned char FindTitleDisc(const char *label) {
    char root[4] = "0:\\";
    for (int index = 0; index < 26; ++index) {
        root[0] = char('a' + index);
        if (IsTitleDisc(root, label))
            return static_cast<unsigned char>(root[0]);
    }
    return kTitleNotFound;
}

// True when the title root holds the title's program (fixed string 6 without its "0:\").
static bool RootHoldsTitle(const TitleLocation &location) {
    TitleLocation underRoot = location;
    underRoot.drive = kTitleUnderRoot;
    char player[260], candidate[MAX_PATH];
    LoadFixedString(IDS_PLAYER, player, sizeof player);
    return location.root[0] != '\0' &&
           ResolveDiscPath(player, underRoot, candidate, sizeof candidate) &&
           GetFileAttributesA(candidate) != INVALID_FILE_ATTRIBUTES;
}

TitleLocation LookForTitle() {
    TitleLocation location = {kTitleNotFound, ""};
    char label[15];
    LoadLangString(LANG_VOLUME_LABEL, label, sizeof label);
    location.drive = FindTitleDisc(label);
    if (location.drive != kTitleNotFound)
        return location;
    char module[MAX_PATH];
    if (ModulePath(NULL, module, sizeof module))
        TitleRootFromModulePath(module, location.root, sizeof location.root);
    if (RootHoldsTitle(location))
        location.drive = kTitleUnderRoot;
    return location;
}

TitleLocation LocateTitle(HWND owner) {
    for (;;) {
        const TitleLocation location = LookForTitle();
        if (location.drive != kTitleNotFound)
            return location;
        if (ShowStringBox(owner, LANG_INSERT_DISC, MB_RETRYCANCEL | MB_ICONHAND) != IDRETRY)
            return location;
    }
}
