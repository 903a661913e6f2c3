// The Program Manager command texts and the sizes of the blocks they are sent in.
#pragma once
#include <cstddef>

// Item names are tested and deleted under their first 40 characters.
constexpr size_t kItemNameLimit = 40;

// Copies an item name cut to its first 40 characters into dst (41 bytes or more).
void CutItemName(const char *item, char *dst, size_t capacity);

// Block sizes: one byte more than the command text with its terminating NUL.
size_t ShowGroupBlockSize(const char *group, const char *showCommand);
size_t DeleteItemBlockSize(const char *item);
size_t PrefixedBlockSize(const char *prefix, const char *argument);

// Build the command texts into a block of the size above (a smaller block gets a cut text).
void BuildShowGroup(char *block, size_t size, const char *group, const char *showCommand);
void BuildDeleteItem(char *block, size_t size, const char *item);
void BuildPrefixedCommand(char *block, size_t size, const char *prefix, const char *argument);

#define PROGMAN_DELETE_GROUP_PREFIX "[DeleteGroup("
