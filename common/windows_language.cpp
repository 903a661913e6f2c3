// The Windows language setting (WIN.INI [intl] sLanguage) and the language it names.
#include "windows_language.h"

#include <cstring>

namespace {
struct CodeToId {
    const char *code;
    unsigned id;
};
// Tested in this order; the first equal code wins.
const CodeToId kCodes[] = {{"EN", 1033}, {"DA", 6},  {"NL", 19},   {"FR", 12},  {"FI", 11},
                           {"DE", 7},    {"IT", 16}, {"PT", 2070}, {"ES", 10},  {"SV", 29},
                           {"KO", 18},   {"PL", 21}, {"RU", 25},   {"HE", 1037}};
} // namespace

unsigned LanguageIdFromSetting(const char *sLanguage) {
    char code[3] = {0, 0, 0};
    for (int i = 0; i < 2 && sLanguage[i] != '\0'; ++i) {
        char c = sLanguage[i];
        code[i] = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
    }
    for (const CodeToId &entry : kCodes)
        if (std::strcmp(code, entry.code) == 0)
            return entry.id;
    return 1033;
}
