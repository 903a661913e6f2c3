// The launcher's string loader: fixed strings by id, language strings by offset from the base.
#include "strings.h"

#include "../../common/text.h"
#include "language_choice.h"

namespace {
HINSTANCE gInstance = NULL;
unsigned gBase = 0;

int LoadFromModule(const void *context, unsigned id, char *dst, int capacity) {
    HINSTANCE instance = static_cast<HINSTANCE>(const_cast<void *>(context));
    return LoadStringA(instance, id, dst, capacity);
}
} // namespace

void SetStringSource(HINSTANCE instance, unsigned base) {
    gInstance = instance;
    gBase = base;
}

HINSTANCE StringInstance() {
    return gInstance;
}
unsigned LanguageBase() {
    return gBase;
}

int LoadFixedString(UINT id, char *dst, int capacity) {
    char buffer[256] = "";
    int count = LoadStringA(gInstance, id, buffer, sizeof buffer);
    if (capacity > 0)
        CopyText(dst, size_t(capacity), buffer);
    return count;
}

int LoadLangString(UINT offset, char *dst, int capacity) {
    return LoadFixedString(gBase + offset, dst, capacity);
}

void SetWindowTextFromLang(HWND window, UINT offset) {
    char text[256];
    LoadLangString(offset, text, sizeof text);
    SetWindowTextA(window, text);
}

void SetDlgItemTextFromLang(HWND dialog, int controlId, UINT offset) {
    char text[256];
    LoadLangString(offset, text, sizeof text);
    SetDlgItemTextA(dialog, controlId, text);
}

StringTable ModuleStrings(HINSTANCE instance) {
    StringTable table = {LoadFromModule, instance};
    return table;
}

unsigned SelectLanguageBase(HINSTANCE instance) {
    char setting[6];
    GetProfileStringA("INTL", "sLanguage", "ENU", setting, sizeof setting);
    return ChooseLanguageBase(ModuleStrings(instance), setting);
}
