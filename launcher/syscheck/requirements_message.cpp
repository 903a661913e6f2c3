// The one message that lists everything the machine lacks for the title.
#include "requirements_message.h"

#include "../../common/text.h"
#include "../resources/resource_ids.h"

#include <climits>

namespace {
const char kItemLead[] = "\r\n    * ";

// Loads a string into the room behind `length` and returns the characters really kept there.
size_t LoadBehind(const StringTable &strings, unsigned id, char *message, size_t length,
                  size_t capacity) {
    size_t room = capacity - length;
    if (room < 2)
        return 0; // nothing but the terminator would fit
    int limit = room > size_t(INT_MAX) ? INT_MAX : int(room);
    int loaded = LoadFrom(strings, id, message + length, limit);
    size_t kept = loaded > 0 ? size_t(loaded) : 0;
    if (kept > room - 1)
        kept = room - 1;
    message[length + kept] = '\0';
    return kept;
}
} // namespace

size_t AppendRequirementItem(const StringTable &strings, unsigned id, char *message, size_t length,
                             size_t capacity) {
    if (capacity == 0 || length >= capacity)
        return length;
    length += CopyText(message + length, capacity - length, kItemLead);
    return length + LoadBehind(strings, id, message, length, capacity);
}

bool BuildRequirementMessage(const RequirementFacts &facts, const StringTable &strings,
                             unsigned base, char *message, size_t capacity) {
    if (capacity == 0)
        return false;
    message[0] = '\0';
    const struct {
        bool present;
        unsigned offset;
    } items[] = {
        {facts.processor, LANG_REQ_PROCESSOR}, {facts.mouse, LANG_REQ_MOUSE},
        {facts.display, LANG_REQ_DISPLAY},     {facts.sound, LANG_REQ_SOUND},
        {facts.cdrom, LANG_REQ_CDROM},
    };
    bool anyMissing = false;
    for (const auto &item : items)
        anyMissing = anyMissing || !item.present;
    if (!anyMissing)
        return false;

    size_t length = LoadBehind(strings, base + LANG_REQ_HEADER, message, 0, capacity);
    length += CopyText(message + length, capacity - length, "\r\n");
    for (const auto &item : items)
        if (!item.present)
            length = AppendRequirementItem(strings, base + item.offset, message, length, capacity);

    char title[64];
    LoadFrom(strings, base + LANG_TITLE, title, sizeof title);
    SubstitutePlaceholder(message, capacity, title, 'T');
    return true;
}
