// Choosing the launcher's language block: from the Windows language setting or by name.
#pragma once
#include "../../common/string_table.h"
#include "../../common/windows_language.h"

// The block base for a language identifier (0 when the launcher has no base for it).
unsigned BaseForLanguageId(unsigned languageId);

// The resource language of the dialogs that go with a block: its language identifier, with the
// default sublanguage where the identifier names none; 0 for a base the locale table lacks.
unsigned DialogLanguageOfBase(unsigned base);

// Base whose block name equals fixed string 1; 160 when none does.
unsigned LanguageBaseByName(const StringTable &strings);

// The whole choice: the locale when fixed string 2 reads "Local", else (or when that gave 0) by
// name.
unsigned ChooseLanguageBase(const StringTable &strings, const char *sLanguage);
