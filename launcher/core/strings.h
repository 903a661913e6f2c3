// The launcher's string loader: fixed strings by id, language strings by offset from the base.
#pragma once
#include <windows.h>

#include "../../common/string_table.h"

// Given once at start-up; every later load reads from this module and base.
void SetStringSource(HINSTANCE instance, unsigned base);
HINSTANCE StringInstance();
unsigned LanguageBase();

// Loads string `id` into dst (at most 255 characters, cut to capacity); returns LoadStringA's
// count, 0 and an empty dst for an absent string.
int LoadFixedString(UINT id, char *dst, int capacity);
int LoadLangString(UINT offset, char *dst, int capacity);

void SetWindowTextFromLang(HWND window, UINT offset);
void SetDlgItemTextFromLang(HWND dialog, int controlId, UINT offset);

// A StringTable over a module's resources, for the portable decisions.
StringTable ModuleStrings(HINSTANCE instance);

// Chooses the language block from the module's own strings and WIN.INI's [intl] sLanguage.
unsigned SelectLanguageBase(HINSTANCE instance);
