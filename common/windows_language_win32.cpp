// The Windows language setting as Windows keeps it, in WIN.INI (or its registry mapping).
#include <windows.h>

#include "text.h"
#include "windows_language.h"

void ReadLanguageSetting(char *dst, size_t capacity) {
    if (capacity == 0)
        return;
    // Six bytes: a setting is three letters; the profile read keeps at most five.
    char setting[6];
    GetProfileStringA("INTL", "sLanguage", "ENU", setting, sizeof setting);
    CopyText(dst, capacity, setting);
}
