// The Setup dialog's space lines from any label, typed folder, 64-bit figure and buffer size.
#include "fuzz_input.h"
#include "launcher/setup/space_lines.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const size_t capacity = input.Byte() % 160;
    const uint64_t kb = input.Value64();
    const std::string label = input.Line();
    const std::string folder = input.Rest().c_str();
    std::unique_ptr<char[]> labelText = ExactText(label);
    std::unique_ptr<char[]> folderText = ExactText(folder);

    // Every 64-bit figure in full: 20 digits and the terminator at most.
    std::unique_ptr<char[]> digits = OutputBuffer(21);
    if (std::to_string(kb) != FormatDecimal(kb, digits.get(), 21))
        __builtin_trap();

    // A display line: cut to its buffer when it must be, always the start of the whole line.
    std::unique_ptr<char[]> line = OutputBuffer(capacity);
    BuildSpaceLine(labelText.get(), folderText.get(), kb, line.get(), capacity);
    if (capacity == 0)
        return 0;
    if (!Terminated(line.get(), capacity))
        __builtin_trap();
    const std::string whole = label + folder.substr(0, 2) + " " + std::to_string(kb) + " KB";
    if (whole.substr(0, capacity - 1) != line.get())
        __builtin_trap();
    return 0;
}
