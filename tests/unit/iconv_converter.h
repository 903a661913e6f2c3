// A code-page converter for the unit tests that is not the programs' own: glibc's iconv, which
// knows the ANSI and OEM pages of western Windows by name and fails on a character a page lacks.
#pragma once
#include <iconv.h>

#include <cstddef>
#include <cstring>

#include "common/batch_lines.h"

inline const char *IconvPageName(unsigned page) {
    switch (page) {
    case 437:
        return "CP437";
    case 850:
        return "CP850";
    case 1252:
        return "CP1252";
    default:
        return "";
    }
}

inline bool IconvConvert(const void *, unsigned fromPage, unsigned toPage, const char *text,
                         char *dst, size_t capacity) {
    if (capacity == 0)
        return false;
    dst[0] = '\0';
    iconv_t converter = iconv_open(IconvPageName(toPage), IconvPageName(fromPage));
    if (converter == reinterpret_cast<iconv_t>(-1))
        return false;
    char *in = const_cast<char *>(text), *out = dst;
    size_t inLeft = std::strlen(text), outLeft = capacity - 1;
    const bool whole = iconv(converter, &in, &inLeft, &out, &outLeft) != size_t(-1);
    iconv_close(converter);
    *out = '\0';
    if (!whole)
        dst[0] = '\0';
    return whole;
}

inline BatchInterpreter IconvInterpreter(size_t lineLimit, unsigned ansiPage, unsigned oemPage) {
    return BatchInterpreter{lineLimit, ansiPage, oemPage, {IconvConvert, nullptr}};
}
