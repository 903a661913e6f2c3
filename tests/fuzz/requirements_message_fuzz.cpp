// The missing-requirements message from any string table texts, findings and buffer size.
#include "fuzz_input.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/syscheck/requirements_message.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>

namespace {

struct Texts {
    std::map<unsigned, std::string> byId;
};

// Loads like the system's string loader: cut to the buffer, terminated, count of kept characters.
int Load(const void *context, unsigned id, char *dst, int capacity) {
    const Texts &texts = *static_cast<const Texts *>(context);
    auto found = texts.byId.find(id);
    if (capacity <= 0 || found == texts.byId.end())
        return 0;
    size_t kept =
        found->second.size() < size_t(capacity - 1) ? found->second.size() : size_t(capacity - 1);
    std::memcpy(dst, found->second.data(), kept);
    dst[kept] = '\0';
    return int(kept);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const size_t capacity = (input.Byte() | size_t(input.Byte()) << 8) % 1200;
    const uint8_t present = input.Byte();
    const unsigned base = 100u * (input.Byte() % 4);
    const RequirementFacts facts = {(present & 1) != 0, (present & 2) != 0, (present & 4) != 0,
                                    (present & 8) != 0, (present & 16) != 0};
    const unsigned offsets[] = {LANG_REQ_PROCESSOR, LANG_REQ_MOUSE, LANG_REQ_DISPLAY,
                                LANG_REQ_SOUND, LANG_REQ_CDROM};
    const bool missing[] = {!facts.processor, !facts.mouse, !facts.display, !facts.sound,
                            !facts.cdrom};
    Texts texts;
    texts.byId[base + LANG_TITLE] = input.Line();
    texts.byId[base + LANG_REQ_HEADER] = input.Line();
    for (unsigned offset : offsets)
        texts.byId[base + offset] = input.Line();
    const StringTable strings = {Load, &texts};

    std::unique_ptr<char[]> message = OutputBuffer(capacity);
    bool built = BuildRequirementMessage(facts, strings, base, message.get(), capacity);
    bool anyMissing = false;
    for (bool m : missing)
        anyMissing = anyMissing || m;
    if (capacity == 0) {
        if (built)
            __builtin_trap();
        return 0;
    }
    if (!Terminated(message.get(), capacity) || built != anyMissing)
        __builtin_trap();
    if (!built) {
        if (message[0] != '\0')
            __builtin_trap();
        return 0;
    }
    // Without placeholders the message is the header and one line per missing item, in order,
    // cut only at the end of its buffer.
    std::string whole = texts.byId[base + LANG_REQ_HEADER] + "\r\n";
    for (size_t i = 0; i < 5; ++i)
        if (missing[i])
            whole += "\r\n    * " + texts.byId[base + offsets[i]];
    if (whole.find('%') != std::string::npos)
        return 0;
    if (whole.substr(0, capacity - 1) != message.get())
        __builtin_trap();
    return 0;
}
