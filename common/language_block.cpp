// Choosing a language block by name: the block whose name string equals the built language's.
#include "language_block.h"

#include "text.h"

#include <cstring>

unsigned ChooseBlockByName(const StringTable &strings, const LanguageBlocks &blocks) {
    char built[32];
    LoadFrom(strings, blocks.builtNameId, built, sizeof built);
    return FindBlockNamed(strings, blocks, built);
}

unsigned FindBlockNamed(const StringTable &strings, const LanguageBlocks &blocks,
                        const char *wanted) {
    char name[32];
    for (unsigned i = 0; i < blocks.count; ++i) {
        const unsigned base = blocks.first + i * blocks.step;
        LoadFrom(strings, base + blocks.nameOffset, name, sizeof name);
        const bool equal = base <= blocks.exactUpTo ? std::strcmp(name, wanted) == 0
                                                    : EqualIgnoringCase(name, wanted);
        if (equal)
            return base;
    }
    return blocks.fallback;
}
