// The launcher's language block, chosen from WIN.INI's language setting over its own strings.
#pragma once
#include <windows.h>

// Chooses the language block from the module's own strings and WIN.INI's [intl] sLanguage.
unsigned SelectLanguageBase(HINSTANCE instance);
