// Choice of the uninstaller's language block: the one whose first string names the built language.
#pragma once
#include "../common/string_table.h"

constexpr unsigned kFirstLanguageBlock = 100;
constexpr unsigned kLastLanguageBlock = 700;
constexpr unsigned kLanguageBlockStep = 100;

// The first block (100, 200, ... 700) whose string +0 equals fixed string 1; 100 when none does.
unsigned ChooseLanguageBlock(const StringTable &strings);
