// Finding the title's disc by drive type and volume label, and asking the user to insert it.
#include "title_disc.h"

#include "../../common/message_box.h"
#include "../../common/process.h"
#include "../../common/text.h"
#include "../../common/string_source.h"
#include "../resources/resource_ids.h"
#include "disc_paths.h"

#include <cstring>

static char gTitleRoot[256] = "";

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

int ShowInsertDiscPrompt(HWND owner) {
    return ShowStringBox(owner, LANG_INSERT_DISC, MB_RETRYCANCEL | MB_ICONHAND);
}

static void LoadVolumeLabel(char *label, int capacity) {
    LoadLangString(LANG_VOLUME_LABEL, label, capacity);
}

unsigned char WaitForTitleDisc(HWND owner) {
    char label[15];
    LoadVolumeLabel(label, sizeof label);
    for (;;) {
        unsigned char drive = FindTitleDisc(label);
        if (drive != kTitleNotFound)
            return drive;
        if (ShowInsertDiscPrompt(owner) != IDRETRY)
            return kTitleNotFound;
    }
}

const char *TitleRoot() {
    return gTitleRoot;
}

void ComputeTitleRoot() {
    char module[256];
    ModulePath(NULL, module, sizeof module);
    TitleRootFromModulePath(module, gTitleRoot, sizeof gTitleRoot);
}

unsigned char LocateTitle(HWND owner) {
    char label[15], player[260];
    LoadVolumeLabel(label, sizeof label);
    LoadFixedString(IDS_PLAYER, player, sizeof player);
    const char *playerName = std::strlen(player) >= 3 ? player + 3 : "";
    for (;;) {
        unsigned char drive = FindTitleDisc(label);
        if (drive != kTitleNotFound)
            return drive;
        ComputeTitleRoot();
        char candidate[260];
        CopyText(candidate, sizeof candidate, gTitleRoot);
        if (AppendWhole(candidate, sizeof candidate, playerName) &&
            GetFileAttributesA(candidate) != INVALID_FILE_ATTRIBUTES)
            return kTitleUnderRoot;
        if (ShowInsertDiscPrompt(owner) != IDRETRY)
            return kTitleNotFound;
    }
}
