// Characters the browser's folder box refuses, and their removal with the caret kept in place.
#include "refused_chars.h"

bool IsRefusedCharacter(char c) {
    switch (c) {
    case ' ':
    case '"':
    case '&':
    case '*':
    case '+':
    case ',':
    case '/':
    case '<':
    case '>':
    case '?':
    case '^':
    case '|':
        return true;
    default:
        return false;
    }
}

int RemoveRefusedCharacters(char *text, int *selectionStart, int *selectionEnd) {
    int removed = 0, kept = 0, start = *selectionStart, end = *selectionEnd;
    for (int i = 0; text[i] != '\0'; ++i) {
        if (!IsRefusedCharacter(text[i])) {
            text[kept++] = text[i];
            continue;
        }
        ++removed;
        if (i < *selectionStart)
            --start;
        if (i < *selectionEnd)
            --end;
    }
    text[kept] = '\0';
    *selectionStart = start < 0 ? 0 : start;
    *selectionEnd = end < 0 ? 0 : end;
    return removed;
}
