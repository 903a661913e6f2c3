// The uninstaller's language block: the one its build names, or on the disc for both markets the
// one the Windows language setting asks for, by the same rule as that disc's launcher.
#include "uninstall_language.h"

#include "../common/language_block.h"
#include "../common/text.h"
#include "../common/windows_language.h"
#include "resources/uninstaller_ids.h"

namespace {
// Blocks 100 to 700, named at their first string and compared exactly; the first by default.
const unsigned kLastBlock = LANG_BLOCK_FIRST + (LANG_BLOCK_COUNT - 1) * LANG_BLOCK_STEP;
const LanguageBlocks kUninstallerBlocks = {LANG_BLOCK_FIRST, LANG_BLOCK_STEP,    LANG_BLOCK_COUNT,
                                           IDS_LANG_NAME,    IDS_BUILT_LANGUAGE, kLastBlock,
                                           LANG_BLOCK_FIRST};
} // namespace

unsigned ChooseUninstallerBlock(const StringTable &strings, const char *sLanguage) {
    char built[32];
    LoadFrom(strings, IDS_BUILT_LANGUAGE, built, sizeof built);
    if (!EqualIgnoringCase(built, "Local"))
        return ChooseBlockByName(strings, kUninstallerBlocks);
    const bool german = LanguageIdFromSetting(sLanguage) == kGermanLanguageId;
    return FindBlockNamed(strings, kUninstallerBlocks, german ? "Deutsch" : "English");
}
