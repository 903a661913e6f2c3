// The Windows language setting (WIN.INI [intl] sLanguage) and the language it names: one rule for
// both programs, so that the launcher and the uninstaller of one disc speak the same language.
#pragma once
#include <cstddef>

// The language identifier of a setting, from its first two letters in any case ("deu" -> "DE"
// -> 7); 1033 (US English) for a code the table does not hold.
unsigned LanguageIdFromSetting(const char *sLanguage);

// The German language identifier (primary language, no sublanguage).
const unsigned kGermanLanguageId = 7;

// The setting as Windows keeps it: at most 5 characters, "ENU" when there is none. Win32 side.
void ReadLanguageSetting(char *dst, size_t capacity);
