// The conversation with Program Manager (DDE service and topic "PROGMAN"): tests and deletions.
#pragma once
#include <windows.h>

#include <ddeml.h>

// One open conversation; all zero when none is open.
struct ProgmanConversation {
    DWORD instance;
    HSZ progman; // service, topic and the group-list item
    HCONV conversation;
};

// TRUE when Program Manager (or the shell in its place) answered.
BOOL ProgmanConnect(ProgmanConversation *progman);
// Closes whatever ProgmanConnect opened; harmless when nothing was.
void ProgmanDisconnect(ProgmanConversation *progman);

BOOL ProgmanGroupExists(const ProgmanConversation &progman, const char *group);
// TRUE when the group's contents hold the item (its first 40 characters). A count destination,
// when given, gets the group's item count (0 when the reply has none).
BOOL ProgmanFindItem(const ProgmanConversation &progman, const char *group, const char *item,
                     long *count);
// TRUE only when a fresh look at the group's contents reads an item count of 0.
BOOL ProgmanGroupIsEmpty(const ProgmanConversation &progman, const char *group);
// Shows the group (which makes it active), then deletes the item from it.
BOOL ProgmanDeleteItem(const ProgmanConversation &progman, const char *group, const char *item);
BOOL ProgmanDeleteGroup(const ProgmanConversation &progman, const char *group);
