// Choosing the launcher's language block: from the Windows language setting or by name.
#include "language_choice.h"

#include "../../common/language_block.h"
#include "../../common/text.h"
#include "../../common/windows_language.h"
#include "../resources/resource_ids.h"

namespace {
struct IdToBase {
    unsigned id, base;
};
const IdToBase kBases[] = {{1033, 160}, {7, 320},     {12, 480},  {16, 640},    {1034, 800},
                           {19, 960},   {2057, 1120}, {10, 1280}, {2070, 1340}, {29, 1400}};

// The by-name candidates 160 to 1280; from 640 on the names are compared ignoring case.
const LanguageBlocks kLauncherBlocks = {
    LANG_BASE_ENGLISH, 160, 8, LANG_NAME, IDS_LANGUAGE_NAME, 480, LANG_BASE_ENGLISH};
} // namespace

unsigned BaseForLanguageId(unsigned languageId) {
    for (const IdToBase &entry : kBases)
        if (entry.id == languageId)
            return entry.base;
    return 0;
}

unsigned DialogLanguageOfBase(unsigned base) {
    const unsigned kDefaultSublanguage = 1u << 10; // SUBLANG_DEFAULT above the primary language
    for (const IdToBase &entry : kBases)
        if (entry.base == base)
            return entry.id >= kDefaultSublanguage ? entry.id : entry.id | kDefaultSublanguage;
    return 0;
}

// Base from the Windows language setting; 0 when the build lacks that block.
static unsigned LanguageBaseByLocale(const StringTable &strings, const char *sLanguage) {
    char setting[6];
    CopyText(setting, sizeof setting, sLanguage); // the profile read keeps 5 characters
    unsigned base = BaseForLanguageId(LanguageIdFromSetting(setting));
    if (base != 0) {
        char name[32];
        if (LoadFrom(strings, base + LANG_NAME, name, sizeof name) == 0)
            base = 0;
    }
    return base;
}

unsigned LanguageBaseByName(const StringTable &strings) {
    return ChooseBlockByName(strings, kLauncherBlocks);
}

unsigned ChooseLanguageBase(const StringTable &strings, const char *sLanguage) {
    char mode[32];
    LoadFrom(strings, IDS_LANGUAGE_MODE, mode, sizeof mode);
    unsigned base = 0;
    if (EqualIgnoringCase(mode, "Local"))
        base = LanguageBaseByLocale(strings, sLanguage);
    if (base == 0)
        base = LanguageBaseByName(strings);
    return base;
}
