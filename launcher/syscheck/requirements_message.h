// The one message that lists everything the machine lacks for the title.
#pragma once
#include <cstddef>

#include "../../common/string_table.h"

// What the requirement tests found: true when the machine has it.
struct RequirementFacts {
    bool processor;
    bool mouse;
    bool display; // screen size and colour depth together
    bool sound;
    bool cdrom;
};

// Appends "\r\n    * " and string `id` behind the `length` characters already in the message,
// never past `capacity` bytes (terminator included). Returns the new length.
size_t AppendRequirementItem(const StringTable &strings, unsigned id, char *message, size_t length,
                             size_t capacity);

// Builds the message for the missing requirements: the header (language offset 18, its first %T
// replaced by the title), CR LF, then one item line per missing requirement in the order
// processor, mouse, display, sound, CD-ROM. Returns false, with an empty message, when nothing is
// missing.
bool BuildRequirementMessage(const RequirementFacts &facts, const StringTable &strings,
                             unsigned base, char *message, size_t capacity);
