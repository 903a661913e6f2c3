// Disc-path resolution and the title root over any stored path, drive value and module path.
#include "launcher/syscheck/disc_paths.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2)
        return 0;
    const unsigned char drive = data[0];
    const size_t capacity = 1 + data[1] % 300;
    std::string rest(reinterpret_cast<const char *>(data + 2), size - 2);
    std::string stored = rest.substr(0, rest.find('\n'));
    std::string module =
        rest.find('\n') == std::string::npos ? "" : rest.substr(rest.find('\n') + 1);
    stored = stored.c_str();
    module = module.c_str();

    std::vector<char> root(256);
    TitleRootFromModulePath(module.c_str(), root.data(), root.size());
    std::vector<char> path(capacity);
    std::strncpy(path.data(), stored.c_str(), capacity - 1);
    path[capacity - 1] = '\0';
    ResolveDiscPath(path.data(), capacity, drive, root.data());
    if (std::memchr(path.data(), '\0', capacity) == nullptr)
        __builtin_trap();
    return 0;
}
