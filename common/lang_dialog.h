// Running a dialog from the template of the chosen language block's own resource language.
#pragma once
#include <windows.h>

// The programs' own resource language: every dialog has a template in it.
const LANGID kDefaultDialogLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Runs dialog `id` of the module modally, like DialogBoxParamA, from its template in the string
// source's dialog language, or in the default language when the block has no template of its own.
// The choice is explicit because the system would pick a template by its own user language.
INT_PTR RunLangDialog(HINSTANCE instance, WORD id, HWND owner, DLGPROC procedure, LPARAM parameter);
