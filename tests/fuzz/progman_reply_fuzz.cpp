// Program Manager replies (group list and group contents, not necessarily NUL-terminated) against
// any group and item name: substring tests, the 40-character item cut and the item count.
#include "fuzz_input.h"
#include "uninstaller/progman_commands.h"
#include "uninstaller/progman_replies.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The command block built in a block of exactly the size the uninstaller allocates.
std::string Command(size_t size, void (*build)(char *, size_t, const char *),
                    const char *argument) {
    std::unique_ptr<char[]> block = OutputBuffer(size);
    build(block.get(), size, argument);
    if (!Terminated(block.get(), size))
        __builtin_trap();
    return block.get();
}

void CheckCount(const std::string &reply, size_t groupNameLength, const ItemCount &count) {
    if (count.count < 0 || count.count > 0x7FFFFFFFL)
        __builtin_trap(); // the count is compared with a small int: never negative or wrapped
    if (!count.read && count.count != 0)
        __builtin_trap();
    // The count is the digit run after the first comma from the second character of the
    // group-file path on, at most 19 digits.
    size_t comma = reply.find(',', groupNameLength + 4);
    if (comma == std::string::npos) {
        if (count.read)
            __builtin_trap();
        return;
    }
    uint64_t expected = 0;
    size_t digits = 0;
    for (size_t at = comma + 1; at < reply.size() && digits < 19; ++at, ++digits) {
        char c = reply[at];
        if (c < '0' || c > '9')
            break;
        expected = expected * 10 + uint64_t(c - '0');
    }
    if (count.read != (digits > 0))
        __builtin_trap();
    if (expected > 0x7FFFFFFFu)
        expected = 0x7FFFFFFFu;
    if (uint64_t(count.count) != expected)
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzInput input{data, size};
    const std::string group = input.Line();
    const std::string item = input.Line();
    const std::string raw = input.Rest();

    // The reply exactly as long as the data handle says, with no terminator behind it.
    std::unique_ptr<char[]> reply(new char[raw.size()]);
    std::memcpy(reply.get(), raw.data(), raw.size());
    const std::string visible = raw.c_str(); // a NUL inside the reply ends it
    std::unique_ptr<char[]> groupText = ExactText(group);
    std::unique_ptr<char[]> itemText = ExactText(item);

    // Found exactly when the name occurs in the reply before any NUL.
    bool hasGroup = ReplyContains(reply.get(), raw.size(), groupText.get());
    if (hasGroup != (visible.find(group) != std::string::npos))
        __builtin_trap();

    // Items are tested under their first 40 characters.
    const std::string cut = item.substr(0, kItemNameLimit);
    bool hasItem = ReplyHasItem(reply.get(), raw.size(), itemText.get());
    if (hasItem != (visible.find(cut) != std::string::npos))
        __builtin_trap();

    CheckCount(visible, group.size(), ReadItemCount(reply.get(), raw.size(), group.size()));

    // The delete command names the item exactly as it was tested; blocks are never overrun.
    char cutText[kItemNameLimit + 1];
    CutItemName(itemText.get(), cutText, sizeof cutText);
    if (cut != cutText)
        __builtin_trap();
    std::string deleteItem = Command(
        DeleteItemBlockSize(cutText),
        [](char *b, size_t n, const char *a) { BuildDeleteItem(b, n, a); }, cutText);
    if (deleteItem != "[DeleteItem(" + cut + ")]")
        __builtin_trap();
    std::string showGroup = Command(
        ShowGroupBlockSize(groupText.get(), "1"),
        [](char *b, size_t n, const char *a) { BuildShowGroup(b, n, a, "1"); }, groupText.get());
    if (showGroup != "[ShowGroup(" + group + ",1)]")
        __builtin_trap();
    std::string deleteGroup = Command(
        PrefixedBlockSize(PROGMAN_DELETE_GROUP_PREFIX, group.c_str()),
        [](char *b, size_t n, const char *a) {
            BuildPrefixedCommand(b, n, PROGMAN_DELETE_GROUP_PREFIX, a);
        },
        groupText.get());
    if (deleteGroup != "[DeleteGroup(" + group + ")]")
        __builtin_trap();
    return 0;
}
