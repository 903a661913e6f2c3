// The system's code pages and its converter between them, for the self-deletion batch's lines.
#include "code_pages.h"

#include <windows.h>

#include "process.h"

namespace {
const unsigned kUtf7 = 65000, kUtf8 = 65001;

bool Convert(const void *, unsigned fromPage, unsigned toPage, const char *text, char *dst,
             size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    WCHAR wide[1024];
    // -1: the terminator is converted too, and counted.
    const int wideLength =
        MultiByteToWideChar(fromPage, MB_ERR_INVALID_CHARS, text, -1, wide, 1024);
    if (wideLength == 0)
        return false;
    BOOL usedDefault = FALSE;
    // The UTF pages take no default character and refuse the question.
    const bool utf = toPage == kUtf7 || toPage == kUtf8;
    const int room = capacity > 0x7FFFFFFF ? 0x7FFFFFFF : int(capacity);
    const int length = WideCharToMultiByte(toPage, 0, wide, wideLength, dst, room, NULL,
                                           utf ? NULL : &usedDefault);
    if (length == 0 || usedDefault) {
        dst[0] = '\0';
        return false;
    }
    return true;
}
} // namespace

TextConverter SystemTextConverter() {
    return TextConverter{Convert, nullptr};
}

BatchInterpreter ThisSystemsBatchInterpreter() {
    return BatchInterpreter{BatchLineLimit(IsNtFamily()), GetACP(), GetOEMCP(),
                            SystemTextConverter()};
}
