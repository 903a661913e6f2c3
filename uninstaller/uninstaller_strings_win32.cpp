// The uninstaller's strings: the language block, and the names of what it removes.
#include "uninstaller_strings.h"

#include "../common/string_table.h"
#include "language_block.h"
#include "resources/uninstaller_ids.h"

RemovalNames removalNames = {"", "", "", ""};

namespace {

unsigned languageBase = kFirstLanguageBlock;

int LoadFromModule(const void *context, unsigned id, char *dst, int capacity) {
    HINSTANCE instance = static_cast<HINSTANCE>(const_cast<void *>(context));
    return LoadUninstallString(instance, id, dst, capacity);
}

} // namespace

int LoadUninstallString(HINSTANCE instance, UINT id, char *dst, int capacity) {
    if (capacity <= 0)
        return 0;
    dst[0] = '\0';
    int n = LoadStringA(instance, id, dst, capacity);
    if (n <= 0) {
        dst[0] = '\0';
        return 0;
    }
    return n;
}

int LoadUninstallLangString(HINSTANCE instance, UINT offset, char *dst, int capacity) {
    return LoadUninstallString(instance, languageBase + offset, dst, capacity);
}

unsigned SelectUninstallLanguage(HINSTANCE instance) {
    StringTable strings = {LoadFromModule, instance};
    languageBase = ChooseLanguageBlock(strings);
    return languageBase;
}

unsigned UninstallLanguageBase() {
    return languageBase;
}

void LoadRemovalNames(HINSTANCE instance) {
    LoadUninstallLangString(instance, IDS_LANG_GROUP, removalNames.group,
                            sizeof removalNames.group);
    LoadUninstallLangString(instance, IDS_LANG_HELP_ITEM, removalNames.helpItem,
                            sizeof removalNames.helpItem);
    LoadUninstallLangString(instance, IDS_LANG_TITLE, removalNames.title,
                            sizeof removalNames.title);
    LoadUninstallLangString(instance, IDS_LANG_UNINSTALL_ITEM, removalNames.uninstallItem,
                            sizeof removalNames.uninstallItem);
}
