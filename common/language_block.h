// Choosing a language block by name: the block whose name string equals the built language's.
#pragma once
#include "string_table.h"

// Where a program's blocks lie and how their names are compared.
struct LanguageBlocks {
    unsigned first, step, count; // candidate bases: first, first + step, ... (count of them)
    unsigned nameOffset;         // where a block keeps its name
    unsigned builtNameId;        // the fixed string naming the language the program is built for
    unsigned exactUpTo;          // names of blocks above this base are compared ignoring case
    unsigned fallback;           // the base when no block's name matches
};

// The first candidate block whose name equals the built language's name.
unsigned ChooseBlockByName(const StringTable &strings, const LanguageBlocks &blocks);

// The first candidate block whose name equals `name` (the fallback when none does).
unsigned FindBlockNamed(const StringTable &strings, const LanguageBlocks &blocks, const char *name);
