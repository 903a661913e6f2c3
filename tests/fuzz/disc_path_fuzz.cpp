// Disc-path resolution and the title root over any stored path, drive value and module path:
// whole paths or refusals, never cut ones.
#include "fuzz_input.h"
#include "launcher/syscheck/disc_paths.h"

#include <cstdint>
#include <string>

namespace {
// The module path cut twice at its last backslash, plus one backslash.
std::string ExpectedRoot(const std::string &module) {
    std::string path = module;
    for (int cut = 0; cut < 2; ++cut) {
        size_t at = path.rfind('\\');
        if (at != std::string::npos)
            path.resize(at);
    }
    return path + "\\";
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const unsigned char drive = input.Byte();
    const size_t rootCapacity = 1 + input.Byte() % 300;
    const size_t capacity = 1 + input.Byte() % 300;
    const std::string stored = input.Line();
    const std::string module = input.Rest().c_str();

    TitleLocation location = {drive, ""};
    std::unique_ptr<char[]> root = OutputBuffer(rootCapacity);
    const bool rooted = TitleRootFromModulePath(module.c_str(), root.get(), rootCapacity);
    const std::string wholeRoot = ExpectedRoot(module);
    if (!Terminated(root.get(), rootCapacity) || rooted != (wholeRoot.size() < rootCapacity) ||
        (rooted ? wholeRoot != root.get() : root[0] != '\0'))
        __builtin_trap();
    if (rooted && wholeRoot.size() < sizeof location.root)
        wholeRoot.copy(location.root, wholeRoot.size());

    std::unique_ptr<char[]> storedText = ExactText(stored);
    std::unique_ptr<char[]> path = OutputBuffer(capacity);
    const bool resolved = ResolveDiscPath(storedText.get(), location, path.get(), capacity);
    std::string whole;
    if (drive >= 'a' && drive <= 'z')
        whole = std::string(1, char(drive)) + (stored.empty() ? "" : stored.substr(1));
    else
        whole = location.root + (stored.size() >= 3 ? stored.substr(3) : "");
    const bool fits = !stored.empty() && whole.size() < capacity;
    if (!Terminated(path.get(), capacity) || resolved != fits ||
        (resolved ? whole != path.get() : path[0] != '\0'))
        __builtin_trap();
    return 0;
}
