// The message boxes of both programs: a string of the language block, with the title as caption.
#include "message_box.h"

#include "string_source.h"
#include "text.h"

int ShowStringBox(HWND owner, UINT textOffset, UINT style, char letter, const char *replacement) {
    char text[256], title[256];
    LoadLangString(textOffset, text, sizeof text);
    LoadLangString(kTitleOffset, title, sizeof title);
    if (letter != '\0')
        SubstitutePlaceholder(text, sizeof text, replacement, letter);
    SubstitutePlaceholder(text, sizeof text, title, 'T');
    return MessageBoxA(owner, text, title, style);
}
