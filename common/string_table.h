// The seam through which portable decisions read a program's string table.
#pragma once

// Loads string `id` into dst (capacity bytes, terminator included) and returns the number of
// characters loaded; 0 and an empty dst for an absent string.
struct StringTable {
    int (*load)(const void *context, unsigned id, char *dst, int capacity);
    const void *context;
};

inline int LoadFrom(const StringTable &table, unsigned id, char *dst, int capacity) {
    if (capacity > 0)
        dst[0] = '\0';
    return table.load(table.context, id, dst, capacity);
}
