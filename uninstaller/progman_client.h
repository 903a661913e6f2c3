// The conversation with Program Manager (DDE service and topic "PROGMAN"): tests and deletions.
#pragma once
#include <windows.h>

#include <ddeml.h>

BOOL ProgmanConnect();
// Closes whatever ProgmanConnect opened; harmless when nothing was.
void ProgmanDisconnect();

BOOL ProgmanGroupExists(const char *group);
// TRUE when the group's contents hold the item (its first 40 characters). A count destination,
// when given, gets the group's item count (0 when the reply has none).
BOOL ProgmanFindItem(const char *group, const char *item, long *count);
// TRUE only when a fresh look at the group's contents reads an item count of 0.
BOOL ProgmanGroupIsEmpty(const char *group);

BOOL ProgmanShowGroup(const char *group, const char *showCommand);
// Shows the group (which makes it active), then deletes the item from it.
BOOL ProgmanDeleteItem(const char *group, const char *item);
BOOL ProgmanDeleteGroup(const char *group);
// Sends prefix + argument + ")]".
BOOL ProgmanCommand(const char *prefix, const char *argument);
BOOL ProgmanExecute(const char *block, DWORD size);

HDDEDATA CALLBACK ProgmanCallback(UINT type, UINT format, HCONV conversation, HSZ topic, HSZ item,
                                  HDDEDATA data, ULONG_PTR data1, ULONG_PTR data2);
