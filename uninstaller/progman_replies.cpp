// Reading Program Manager's replies: the group list and a group's contents.
#include "progman_replies.h"

#include "../common/text.h"
#include "progman_commands.h"

namespace {

size_t BoundedLength(const char *reply, size_t length) {
    size_t n = 0;
    while (n < length && reply[n] != '\0')
        ++n;
    return n;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

bool ReplyContains(const char *reply, size_t length, const char *text) {
    size_t have = BoundedLength(reply, length);
    size_t want = TextLength(text);
    if (want > have)
        return false;
    for (size_t at = 0; at + want <= have; ++at) {
        size_t i = 0;
        while (i < want && reply[at + i] == text[i])
            ++i;
        if (i == want)
            return true;
    }
    return false;
}

bool ReplyHasItem(const char *reply, size_t length, const char *item) {
    char cut[kItemNameLimit + 1];
    CutItemName(item, cut, sizeof cut);
    return ReplyContains(reply, length, cut);
}

ItemCount ReadItemCount(const char *reply, size_t length, size_t groupNameLength) {
    ItemCount result = {false, 0};
    size_t have = BoundedLength(reply, length);
    // From the second character of the group-file path on: the quoted name and its comma come
    // first.
    size_t at = groupNameLength + 4;
    while (at < have && reply[at] != ',')
        ++at;
    if (at >= have)
        return result;
    ++at;
    // At most 19 digits are converted, as the reading buffer holds.
    size_t digits = 0;
    long count = 0;
    const long kCeiling = 0x7FFFFFFFL;
    while (at + digits < have && IsDigit(reply[at + digits]) && digits < 19) {
        long digit = reply[at + digits] - '0';
        count = count > (kCeiling - digit) / 10 ? kCeiling : count * 10 + digit;
        ++digits;
    }
    result.read = digits > 0;
    result.count = count;
    return result;
}
