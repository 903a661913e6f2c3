// Reading Program Manager's replies: the group list and a group's contents.
#pragma once
#include <cstddef>

// True when text occurs anywhere in the reply (case-sensitive). The reply is `length` bytes and
// need not be NUL-terminated; a NUL inside it ends it.
bool ReplyContains(const char *reply, size_t length, const char *text);

// True when the item name, cut to its first 40 characters, occurs anywhere in the reply.
bool ReplyHasItem(const char *reply, size_t length, const char *item);

// The item count of a group reply, read after the group-file path of its first line.
struct ItemCount {
    bool read;  // a comma after the path was found and digits followed it
    long count; // 0 unless read
};
ItemCount ReadItemCount(const char *reply, size_t length, size_t groupNameLength);
