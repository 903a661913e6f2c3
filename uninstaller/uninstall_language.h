// The uninstaller's language block: the one its build names, or on the disc for both markets the
// one the Windows language setting asks for, by the same rule as that disc's launcher.
#pragma once
#include "../common/string_table.h"

// By name (the block whose name equals fixed string 1) unless fixed string 1 reads "Local": then
// the German block for a German setting (sLanguage beginning "DE"), the English one for every
// other. The first block when the wanted one is missing.
unsigned ChooseUninstallerBlock(const StringTable &strings, const char *sLanguage);
