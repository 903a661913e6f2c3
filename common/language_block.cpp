// Choosing a language block by name: the block whose name string equals the built language's.
#include "language_block.h"

#include "text.h"

#include <cstring>

unsigned ChooseBlockByName(const StringTable &strings, const LanguageBlocks &blocks) {
    char built[32], name[32];
    LoadFrom(strings, blocks.builtNameId, built, sizeof built);
    for (unsigned i = 0; i < blocks.count; ++i) {
        const unsigned base = blocks.first + i * blocks.step;
        LoadFrom(strings, base + blocks.nameOffset, name, sizeof name);
        const bool equal = base <= blocks.exactUpTo ? std::strcmp(name, built) == 0
                                                    : EqualIgnoringCase(name, built);
        if (equal)
            return base;
    }
    return blocks.fallback;
}
