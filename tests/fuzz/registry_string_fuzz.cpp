// Registered command lines (registry strings) against the launcher's own path.
#include "launcher/core/handoff_rules.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::string input(reinterpret_cast<const char *>(data), size);
    size_t cut = input.find('\n');
    std::string registered = input.substr(0, cut).c_str();
    std::string own =
        cut == std::string::npos ? "E:\\RBRINDMOR.EXE" : input.substr(cut + 1).c_str();
    char program[256];
    ProgramPathOf(registered.c_str(), program, sizeof program);
    bool named = NamesThisLauncher(registered.c_str(), own.c_str());
    if (registered == own && !named)
        __builtin_trap();
    return 0;
}
