// The conversation with Program Manager (DDE service and topic "PROGMAN"): tests and deletions.
#include "progman_client.h"

#include "../common/text.h"
#include "progman_commands.h"
#include "progman_replies.h"
#include "removal_rules.h"

namespace {

const DWORD kTimeout = 1000;

struct ProgmanConversation {
    DWORD instance;
    HSZ progman; // service, topic and the group-list item
    HCONV conversation;
};
ProgmanConversation progman = {0, NULL, NULL};

// A request in CF_TEXT; the reply's data handle or NULL.
HDDEDATA Request(HSZ item) {
    if (progman.conversation == NULL || item == NULL)
        return NULL;
    return DdeClientTransaction(NULL, 0, progman.conversation, item, CF_TEXT, XTYP_REQUEST,
                                kTimeout, NULL);
}

// Reads the reply of a group-contents request through `read`; FALSE when no reply came.
template <typename Read> BOOL ReadGroupReply(const char *group, Read read) {
    if (progman.instance == 0)
        return FALSE;
    HSZ item = DdeCreateStringHandleA(progman.instance, group, CP_WINANSI);
    if (item == NULL)
        return FALSE;
    BOOL answered = FALSE;
    HDDEDATA reply = Request(item);
    if (reply != NULL) {
        DWORD size = 0;
        const char *text = reinterpret_cast<const char *>(DdeAccessData(reply, &size));
        if (text != NULL) {
            read(text, size_t(size));
            answered = TRUE;
            DdeUnaccessData(reply);
        }
        DdeFreeDataHandle(reply);
    }
    DdeFreeStringHandle(progman.instance, item);
    return answered;
}

// A command block of GMEM_DDESHARE memory, released after the transaction copied it.
template <typename Build> BOOL SendBlock(size_t size, Build build) {
    HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, size);
    if (memory == NULL)
        return FALSE;
    char *block = static_cast<char *>(GlobalLock(memory));
    if (block == NULL) {
        GlobalFree(memory);
        return FALSE;
    }
    build(block, size);
    BOOL accepted = ProgmanExecute(block, DWORD(size));
    GlobalUnlock(memory);
    GlobalFree(memory);
    return accepted;
}

} // namespace

HDDEDATA CALLBACK ProgmanCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return NULL;
}

BOOL ProgmanConnect() {
    progman.instance = 0;
    if (DdeInitializeA(&progman.instance, ProgmanCallback, APPCMD_CLIENTONLY, 0) !=
        DMLERR_NO_ERROR) {
        progman.instance = 0;
        return FALSE;
    }
    progman.progman = DdeCreateStringHandleA(progman.instance, "PROGMAN", CP_WINANSI);
    progman.conversation = NULL;
    if (progman.progman != NULL)
        progman.conversation = DdeConnect(progman.instance, progman.progman, progman.progman, NULL);
    return progman.conversation != NULL;
}

void ProgmanDisconnect() {
    if (progman.conversation != NULL) {
        DdeDisconnect(progman.conversation);
        progman.conversation = NULL;
    }
    if (progman.instance != 0) {
        if (progman.progman != NULL)
            DdeFreeStringHandle(progman.instance, progman.progman);
        progman.progman = NULL;
        DdeUninitialize(progman.instance);
        progman.instance = 0;
    }
}

BOOL ProgmanGroupExists(const char *group) {
    HDDEDATA reply = Request(progman.progman);
    if (reply == NULL)
        return FALSE;
    BOOL found = FALSE;
    DWORD size = 0;
    const char *text = reinterpret_cast<const char *>(DdeAccessData(reply, &size));
    if (text != NULL) {
        found = ReplyContains(text, size_t(size), group);
        DdeUnaccessData(reply);
    }
    DdeFreeDataHandle(reply);
    return found;
}

BOOL ProgmanFindItem(const char *group, const char *item, long *count) {
    BOOL found = FALSE;
    ReadGroupReply(group, [&](const char *text, size_t size) {
        found = ReplyHasItem(text, size, item);
        if (count != NULL)
            *count = ReadItemCount(text, size, TextLength(group)).count;
    });
    return found;
}

BOOL ProgmanGroupIsEmpty(const char *group) {
    ItemCount recheck = {false, 0};
    ReadGroupReply(group, [&](const char *text, size_t size) {
        recheck = ReadItemCount(text, size, TextLength(group));
    });
    return GroupEmptyOnRecheck(recheck);
}

BOOL ProgmanShowGroup(const char *group, const char *showCommand) {
    return SendBlock(ShowGroupBlockSize(group, showCommand), [&](char *block, size_t size) {
        BuildShowGroup(block, size, group, showCommand);
    });
}

BOOL ProgmanDeleteItem(const char *group, const char *item) {
    if (!ProgmanShowGroup(group, "1"))
        return FALSE;
    char cut[kItemNameLimit + 1];
    CutItemName(item, cut, sizeof cut);
    return SendBlock(DeleteItemBlockSize(cut),
                     [&](char *block, size_t size) { BuildDeleteItem(block, size, cut); });
}

BOOL ProgmanDeleteGroup(const char *group) {
    return ProgmanCommand(PROGMAN_DELETE_GROUP_PREFIX, group);
}

BOOL ProgmanCommand(const char *prefix, const char *argument) {
    return SendBlock(PrefixedBlockSize(prefix, argument), [&](char *block, size_t size) {
        BuildPrefixedCommand(block, size, prefix, argument);
    });
}

BOOL ProgmanExecute(const char *block, DWORD size) {
    if (progman.conversation == NULL)
        return FALSE;
    HDDEDATA result =
        DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char *>(block)), size,
                             progman.conversation, NULL, CF_TEXT, XTYP_EXECUTE, kTimeout, NULL);
    return result != NULL;
}
