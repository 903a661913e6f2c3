// The program's string source: its module and chosen language block, loaded by id or by offset
// from the block, and put into windows. One per process, set once at start-up.
#pragma once
#include <windows.h>

#include "string_table.h"

// Both programs keep the title at this offset of their language block.
const UINT kTitleOffset = 2;

// Given once at start-up, before any window exists; every later load reads this module and base.
// `dialogLanguage` is the resource language of the block's own dialog templates (0: the default
// ones, lang_dialog.h).
void SetStringSource(HINSTANCE instance, unsigned base, LANGID dialogLanguage = 0);
unsigned LanguageBase();
LANGID DialogLanguage();

// Loads string `id` into dst (at most 255 characters, cut to capacity); returns LoadStringA's
// count, 0 and an empty dst for an absent string.
int LoadFixedString(UINT id, char *dst, int capacity);
int LoadLangString(UINT offset, char *dst, int capacity);

void SetWindowTextFromLang(HWND window, UINT offset);
void SetDlgItemTextFromLang(HWND dialog, int controlId, UINT offset);

// A StringTable over a module's resources, for the portable decisions.
StringTable ModuleStrings(HINSTANCE instance);
