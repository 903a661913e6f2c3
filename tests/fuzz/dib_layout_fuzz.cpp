// The picture loader's reading of a bitmap resource, over any bytes: nothing past the resource is
// read, and a layout called drawable holds its table and every pixel row inside it.
#include "launcher/ui/dib_layout.h"

#include <cstdint>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // An exact copy, so that ASan sees a read one byte past the resource.
    std::unique_ptr<uint8_t[]> resource(new uint8_t[size == 0 ? 1 : size]);
    if (size > 0)
        std::memcpy(resource.get(), data, size);
    const DibLayout layout = ReadDibLayout(resource.get(), size);
    if (!layout.drawable)
        return 0;
    int32_t width, height;
    uint16_t bits;
    std::memcpy(&width, resource.get() + 4, 4);
    std::memcpy(&height, resource.get() + 8, 4);
    std::memcpy(&bits, resource.get() + 14, 2);
    const uint64_t rows = height < 0 ? uint64_t(-int64_t(height)) : uint64_t(height);
    const uint64_t rowBytes = (uint64_t(width) * bits + 31) / 32 * 4;
    if (layout.colours == 0 || layout.colours > 256 || layout.bitsAt != 40 + 4 * layout.colours)
        __builtin_trap();
    if (width <= 0 || rows == 0 || layout.bitsAt + rowBytes * rows > size)
        __builtin_trap(); // every row inside the resource
    return 0;
}
