// The launcher's language block, chosen from WIN.INI's language setting over its own strings.
#include "language_setting.h"

#include "../../common/string_source.h"
#include "../../common/windows_language.h"
#include "language_choice.h"

unsigned SelectLanguageBase(HINSTANCE instance) {
    char setting[6];
    ReadLanguageSetting(setting, sizeof setting);
    return ChooseLanguageBase(ModuleStrings(instance), setting);
}
