// The folder box's refused-character filter over any typed text and selection.
#include "fuzz_input.h"
#include "launcher/setup/refused_chars.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

bool Refused(char c) {
    return c != '\0' && std::strchr(" \"&*+,/<>?^|", c) != nullptr;
}

// The characters before `position` that survive the filter: where that caret must land.
int KeptBefore(const std::string &text, int position) {
    int kept = 0;
    for (int i = 0; i < position; ++i)
        kept += Refused(text[size_t(i)]) ? 0 : 1;
    return kept;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const uint8_t startByte = input.Byte();
    const uint8_t endByte = input.Byte();
    const std::string text = input.Rest().c_str();
    const int length = int(text.size());
    // The edit control reports a selection inside its text.
    int start = startByte % (length + 1);
    int end = endByte % (length + 1);
    const int typedStart = start, typedEnd = end;

    std::unique_ptr<char[]> buffer = ExactText(text);
    int removed = RemoveRefusedCharacters(buffer.get(), &start, &end);

    std::string expected;
    for (char c : text)
        if (!Refused(c))
            expected += c;
    if (expected != buffer.get())
        __builtin_trap(); // nothing refused left, the rest in its order
    if (removed != length - int(expected.size()))
        __builtin_trap();
    const int newLength = int(expected.size());
    if (start < 0 || end < 0 || start > newLength || end > newLength)
        __builtin_trap(); // the caret stays inside the text
    if (start != KeptBefore(text, typedStart) || end != KeptBefore(text, typedEnd))
        __builtin_trap(); // and where it was typed
    return 0;
}
