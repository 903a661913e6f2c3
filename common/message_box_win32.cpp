// The message boxes of both programs: a string of the language block, with the title as caption.
#include "message_box.h"

#include "string_source.h"
#include "text.h"

int ShowStringBox(HWND owner, UINT textOffset, UINT style, char letter, const char *replacement) {
    // Room for a text of 255 characters with a whole path put in for its placeholder.
    char text[640], title[256];
    LoadLangString(textOffset, text, sizeof text);
    LoadLangString(kTitleOffset, title, sizeof title);
    if (letter != '\0')
        SubstitutePlaceholder(text, sizeof text, replacement, letter);
    SubstitutePlaceholder(text, sizeof text, title, 'T');
    return MessageBoxA(owner, text, title, style);
}
