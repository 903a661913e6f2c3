// A string table held in a map, standing in for a program's resources in decision tests.
#pragma once
#include "common/string_table.h"
#include "common/text.h"

#include <map>
#include <string>

using FakeStrings = std::map<unsigned, std::string>;

// Loads like LoadStringA: the count copied, 0 and an empty destination for an absent id.
inline int LoadFakeString(const void *context, unsigned id, char *dst, int capacity) {
    const FakeStrings &table = *static_cast<const FakeStrings *>(context);
    auto it = table.find(id);
    if (it == table.end())
        return 0;
    return int(CopyText(dst, size_t(capacity), it->second.c_str()));
}

inline StringTable FakeStringTable(const FakeStrings &table) {
    return StringTable{LoadFakeString, &table};
}
