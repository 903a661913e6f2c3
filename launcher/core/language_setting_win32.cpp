// The launcher's language block, chosen from WIN.INI's language setting over its own strings.
#include "language_setting.h"

#include "../../common/string_source.h"
#include "language_choice.h"

unsigned SelectLanguageBase(HINSTANCE instance) {
    char setting[6];
    GetProfileStringA("INTL", "sLanguage", "ENU", setting, sizeof setting);
    return ChooseLanguageBase(ModuleStrings(instance), setting);
}
