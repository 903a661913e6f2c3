// The Program Manager command texts and the sizes of the blocks they are sent in.
#include "progman_commands.h"

#include "../common/text.h"

void CutItemName(const char *item, char *dst, size_t capacity) {
    size_t limit = capacity < kItemNameLimit + 1 ? capacity : kItemNameLimit + 1;
    CopyText(dst, limit, item);
}

size_t ShowGroupBlockSize(const char *group, const char *showCommand) {
    return TextLength(group) + TextLength(showCommand) + 16;
}

size_t DeleteItemBlockSize(const char *item) {
    return TextLength(item) + 16;
}

size_t PrefixedBlockSize(const char *prefix, const char *argument) {
    return TextLength(argument) + TextLength(prefix) + 4;
}

void BuildShowGroup(char *block, size_t size, const char *group, const char *showCommand) {
    CopyText(block, size, "[ShowGroup(");
    AppendText(block, size, group);
    AppendText(block, size, ",");
    AppendText(block, size, showCommand);
    AppendText(block, size, ")]");
}

void BuildDeleteItem(char *block, size_t size, const char *item) {
    CopyText(block, size, "[DeleteItem(");
    AppendText(block, size, item);
    AppendText(block, size, ")]");
}

void BuildPrefixedCommand(char *block, size_t size, const char *prefix, const char *argument) {
    CopyText(block, size, prefix);
    AppendText(block, size, argument);
    AppendText(block, size, ")]");
}
