// Choice of the uninstaller's language block: the one whose first string names the built language.
#include "language_block.h"

namespace {
bool SameText(const char *a, const char *b) {
    for (; *a != '\0' && *a == *b; ++a, ++b) {
    }
    return *a == *b;
}
} // namespace

unsigned ChooseLanguageBlock(const StringTable &strings) {
    char built[32];
    LoadFrom(strings, 1, built, sizeof built);
    for (unsigned base = kFirstLanguageBlock; base <= kLastLanguageBlock;
         base += kLanguageBlockStep) {
        char name[32];
        LoadFrom(strings, base, name, sizeof name);
        if (SameText(built, name))
            return base;
    }
    return kFirstLanguageBlock;
}
