// The help command line from any associated program path, document path and buffer size.
#include "fuzz_input.h"
#include "launcher/app/help_command.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const size_t capacity = (input.Byte() | size_t(input.Byte()) << 8) % 600;
    const std::string program = input.Line();
    const std::string document = input.Rest().c_str();
    std::unique_ptr<char[]> programText = ExactText(program);
    std::unique_ptr<char[]> documentText = ExactText(document);
    std::unique_ptr<char[]> line = OutputBuffer(capacity);

    bool built = BuildHelpCommandLine(programText.get(), documentText.get(), line.get(), capacity);
    const bool blank = document.find(' ') != std::string::npos;
    const std::string whole = "\"" + program + "\" " + (blank ? "\"" + document + "\"" : document);
    if (built != (whole.size() + 1 <= capacity))
        __builtin_trap(); // refused exactly when the whole line does not fit
    if (capacity == 0)
        return 0;
    if (!Terminated(line.get(), capacity) || (built ? whole != line.get() : line[0] != '\0'))
        __builtin_trap(); // whole or empty, never a cut command line
    return 0;
}
