// Placeholder substitution over any text, replacement, letter and buffer size: never past the
// buffer.
#include "common/text.h"

#include <cstdint>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 3)
        return 0;
    const size_t capacity = 1 + data[0] % 64;
    const char letter = char(data[1]);
    const size_t split = 2 + (size - 2) / 2;
    std::vector<char> text(capacity); // exact size: ASan sees any write past it
    size_t n = split - 2 < capacity - 1 ? split - 2 : capacity - 1;
    std::memcpy(text.data(), data + 2, n);
    text[n] = '\0';
    std::vector<char> replacement(data + split, data + size);
    replacement.push_back('\0');
    SubstitutePlaceholder(text.data(), capacity, replacement.data(), letter);
    if (std::memchr(text.data(), '\0', capacity) == nullptr)
        __builtin_trap(); // the result must stay terminated inside its buffer
    return 0;
}
