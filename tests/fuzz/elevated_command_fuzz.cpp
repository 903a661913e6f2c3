// The elevated launcher's command line, which another process writes: any text is refused or
// read into a folder that fits, and what is taken builds the same line again.
#include "fuzz_input.h"
#include "launcher/app/elevation.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const std::string line = input.Rest().c_str();
    std::unique_ptr<char[]> text = ExactText(line);
    ElevatedRequest request;
    const bool taken = ParseElevatedArguments(text.get(), &request);
    if (taken && !IsElevatedRequest(text.get()))
        __builtin_trap(); // only a request is ever taken
    if (!Terminated(request.folder, sizeof request.folder))
        __builtin_trap();
    if (!taken) {
        if (request.folder[0] != '\0' || request.window != 0)
            __builtin_trap(); // nothing half read
        return 0;
    }
    char again[sizeof request.folder + 64];
    if (!BuildElevatedArguments(request.folder, request.window, again, sizeof again))
        __builtin_trap(); // a folder that was taken can be handed on
    ElevatedRequest reread;
    if (!ParseElevatedArguments(again, &reread) || std::string(reread.folder) != request.folder ||
        reread.window != request.window)
        __builtin_trap();
    return 0;
}
