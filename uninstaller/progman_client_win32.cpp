// The conversation with Program Manager (DDE service and topic "PROGMAN"): tests and deletions.
#include "progman_client.h"

#include <dde.h>

#include "../common/text.h"
#include "progman_commands.h"
#include "progman_replies.h"
#include "removal_rules.h"

namespace {

const DWORD kTimeout = 1000;

// A request in CF_TEXT; the reply's data handle or NULL.
HDDEDATA Request(const ProgmanConversation &progman, HSZ item) {
    if (progman.conversation == NULL || item == NULL)
        return NULL;
    return DdeClientTransaction(NULL, 0, progman.conversation, item, CF_TEXT, XTYP_REQUEST,
                                kTimeout, NULL);
}

// Reads the reply of a group-contents request through `read`; FALSE when no reply came.
template <typename Read>
BOOL ReadGroupReply(const ProgmanConversation &progman, const char *group, Read read) {
    if (progman.instance == 0)
        return FALSE;
    HSZ item = DdeCreateStringHandleA(progman.instance, group, CP_WINANSI);
    if (item == NULL)
        return FALSE;
    BOOL answered = FALSE;
    HDDEDATA reply = Request(progman, item);
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

// An execute transaction; TRUE when Program Manager accepted the commands.
BOOL Execute(const ProgmanConversation &progman, const char *block, DWORD size) {
    if (progman.conversation == NULL)
        return FALSE;
    HDDEDATA result =
        DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char *>(block)), size,
                             progman.conversation, NULL, CF_TEXT, XTYP_EXECUTE, kTimeout, NULL);
    return result != NULL;
}

// A command block of GMEM_DDESHARE memory, released after the transaction copied it.
template <typename Build>
BOOL SendBlock(const ProgmanConversation &progman, size_t size, Build build) {
    HGLOBAL memory = GlobalAlloc(GMEM_DDESHARE, size);
    if (memory == NULL)
        return FALSE;
    char *block = static_cast<char *>(GlobalLock(memory));
    if (block == NULL) {
        GlobalFree(memory);
        return FALSE;
    }
    build(block, size);
    BOOL accepted = Execute(progman, block, DWORD(size));
    GlobalUnlock(memory);
    GlobalFree(memory);
    return accepted;
}

// A client needs a callback; the conversation sends it nothing we act on.
HDDEDATA CALLBACK ProgmanCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return NULL;
}

BOOL ShowGroup(const ProgmanConversation &progman, const char *group, const char *showCommand) {
    return SendBlock(
        progman, ShowGroupBlockSize(group, showCommand),
        [&](char *block, size_t size) { BuildShowGroup(block, size, group, showCommand); });
}

// From Vista on, the system drops window messages that a process with fewer rights sends to one
// with more, unless the receiver admits them. The shell runs with the user's own rights; an
// elevated uninstaller admits the messages by which the shell answers a DDE client. Process-wide:
// the DDE library makes its client windows inside DdeConnect, where the first reply arrives. The
// 9x family and NT before Vista have no such filter.
void AdmitShellReplies() {
    typedef BOOL(WINAPI * FilterFunction)(UINT, DWORD);
    const DWORD kAdd = 1; // MSGFLT_ADD
    HMODULE user = GetModuleHandleA("user32.dll");
    FilterFunction filter = user != NULL
                                ? reinterpret_cast<FilterFunction>(reinterpret_cast<void *>(
                                      GetProcAddress(user, "ChangeWindowMessageFilter")))
                                : NULL;
    if (filter == NULL)
        return;
    const UINT replies[] = {WM_DDE_ACK, WM_DDE_DATA, WM_DDE_TERMINATE};
    for (UINT message : replies)
        filter(message, kAdd);
}

} // namespace

BOOL ProgmanConnect(ProgmanConversation *progman) {
    *progman = ProgmanConversation{0, NULL, NULL};
    AdmitShellReplies();
    if (DdeInitializeA(&progman->instance, ProgmanCallback, APPCMD_CLIENTONLY, 0) !=
        DMLERR_NO_ERROR) {
        progman->instance = 0;
        return FALSE;
    }
    progman->progman = DdeCreateStringHandleA(progman->instance, "PROGMAN", CP_WINANSI);
    if (progman->progman != NULL)
        progman->conversation =
            DdeConnect(progman->instance, progman->progman, progman->progman, NULL);
    return progman->conversation != NULL;
}

void ProgmanDisconnect(ProgmanConversation *progman) {
    if (progman->conversation != NULL)
        DdeDisconnect(progman->conversation);
    if (progman->instance != 0) {
        if (progman->progman != NULL)
            DdeFreeStringHandle(progman->instance, progman->progman);
        DdeUninitialize(progman->instance);
    }
    *progman = ProgmanConversation{0, NULL, NULL};
}

BOOL ProgmanGroupExists(const ProgmanConversation &progman, const char *group) {
    HDDEDATA reply = Request(progman, progman.progman);
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

BOOL ProgmanFindItem(const ProgmanConversation &progman, const char *group, const char *item,
                     long *count) {
    BOOL found = FALSE;
    ReadGroupReply(progman, group, [&](const char *text, size_t size) {
        found = ReplyHasItem(text, size, item);
        if (count != NULL)
            *count = ReadItemCount(text, size, TextLength(group)).count;
    });
    return found;
}

BOOL ProgmanGroupIsEmpty(const ProgmanConversation &progman, const char *group) {
    ItemCount recheck = {false, 0};
    ReadGroupReply(progman, group, [&](const char *text, size_t size) {
        recheck = ReadItemCount(text, size, TextLength(group));
    });
    return GroupEmptyOnRecheck(recheck);
}

BOOL ProgmanDeleteItem(const ProgmanConversation &progman, const char *group, const char *item) {
    if (!ShowGroup(progman, group, "1"))
        return FALSE;
    char cut[kItemNameLimit + 1];
    CutItemName(item, cut, sizeof cut);
    return SendBlock(progman, DeleteItemBlockSize(cut),
                     [&](char *block, size_t size) { BuildDeleteItem(block, size, cut); });
}

BOOL ProgmanDeleteGroup(const ProgmanConversation &progman, const char *group) {
    const char *prefix = PROGMAN_DELETE_GROUP_PREFIX;
    return SendBlock(progman, PrefixedBlockSize(prefix, group), [&](char *block, size_t size) {
        BuildPrefixedCommand(block, size, prefix, group);
    });
}
