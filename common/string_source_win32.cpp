// The program's string source: its module and chosen language block, loaded by id or by offset
// from the block, and put into windows. One per process, set once at start-up.
#include "string_source.h"

#include "text.h"

namespace {
// Written only by SetStringSource, at start-up.
struct StringSource {
    HINSTANCE instance;
    unsigned base;
    LANGID dialogLanguage;
};
StringSource source = {NULL, 0, 0};

int LoadFromModule(const void *context, unsigned id, char *dst, int capacity) {
    HINSTANCE instance = static_cast<HINSTANCE>(const_cast<void *>(context));
    return LoadStringA(instance, id, dst, capacity);
}
} // namespace

void SetStringSource(HINSTANCE instance, unsigned base, LANGID dialogLanguage) {
    source.instance = instance;
    source.base = base;
    source.dialogLanguage = dialogLanguage;
}

unsigned LanguageBase() {
    return source.base;
}

LANGID DialogLanguage() {
    return source.dialogLanguage;
}

int LoadFixedString(UINT id, char *dst, int capacity) {
    char buffer[256] = "";
    int count = LoadStringA(source.instance, id, buffer, sizeof buffer);
    if (capacity > 0)
        CopyText(dst, size_t(capacity), buffer);
    return count;
}

int LoadLangString(UINT offset, char *dst, int capacity) {
    return LoadFixedString(source.base + offset, dst, capacity);
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
