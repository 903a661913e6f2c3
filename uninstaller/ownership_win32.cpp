// What the record and the entry name, read as they are now and put in one spelling.
#include "ownership.h"

#include <windows.h>

#include "../common/install_record_file.h"
#include "../common/long_path.h"
#include "../common/text.h"
#include "../common/uninstall_entry.h"
#include "removal_rules.h"

namespace {
// The path a command names when it is one path, in or out of quotes; false otherwise.
bool CommandPath(const char *command, char *dst, size_t capacity) {
    const size_t length = TextLength(command);
    const bool quoted = length >= 2 && command[0] == '"' && command[length - 1] == '"';
    const size_t pathLength = quoted ? length - 2 : length;
    if (pathLength == 0 || pathLength + 1 > capacity)
        return false;
    CopyText(dst, pathLength + 1, quoted ? command + 1 : command);
    return true;
}

// A full path from a drive's root: only such a path names one file wherever we run. A relative
// one would be taken from our current folder, and could name our own files.
bool IsDrivePath(const char *path) {
    return path[0] != '\0' && path[1] == ':' && path[2] == '\\';
}

// A full path in one spelling, in place; anything else, or a path the system gives no other
// spelling of, is left as it is.
void InOneSpelling(char *path, size_t capacity) {
    char canonical[MAX_PATH];
    if (IsDrivePath(path) && CanonicalPath(path, canonical, sizeof canonical) &&
        TextLength(canonical) + 1 <= capacity)
        CopyText(path, capacity, canonical);
}

void Folder(const char *path, char *dst, size_t capacity) {
    CopyText(dst, capacity, path);
    CutAtLastChar(dst, '\\');
    if (TextLength(dst) == 2 && dst[1] == ':')
        AppendText(dst, capacity, "\\"); // a drive's root, not its current folder
}
} // namespace

void OwnPathInOneSpelling(const char *modulePath, char *dst, size_t capacity) {
    CopyText(dst, capacity, modulePath);
    if (modulePath[0] != '\0')
        InOneSpelling(dst, capacity);
}

void ReadOwnership(RemovalFacts *facts) {
    facts->record =
        ReadInstallRecord(facts->recordPlace, facts->recordValue, sizeof facts->recordValue);
    facts->recordHereByIdentity = false;
    char ownFolder[MAX_PATH], folder[MAX_PATH];
    Folder(facts->ownPath, ownFolder, sizeof ownFolder);
    if (facts->record == RecordFound) {
        InOneSpelling(facts->recordValue, sizeof facts->recordValue);
        Folder(facts->recordValue, folder, sizeof folder);
        facts->recordHereByIdentity =
            IsDrivePath(folder) && IsDrivePath(ownFolder) && SameFile(folder, ownFolder);
    }
    UninstallEntry entry;
    facts->entry = ReadUninstallEntry(facts->entryKey, &entry);
    CopyText(facts->entryCommand, sizeof facts->entryCommand, entry.command);
    facts->entryOwnByIdentity = false;
    char named[MAX_PATH];
    if (facts->entry == EntryFound && CommandPath(entry.command, named, sizeof named)) {
        InOneSpelling(named, sizeof named);
        CopyText(facts->entryCommand, sizeof facts->entryCommand, named);
        facts->entryOwnByIdentity =
            IsDrivePath(named) && IsDrivePath(facts->ownPath) && SameFile(named, facts->ownPath);
    }
}

bool RecordStillOurs(const RemovalPlan &plan) {
    RemovalFacts now = {};
    CopyText(now.ownPath, sizeof now.ownPath, plan.owner);
    now.recordPlace = plan.recordPlace;
    CopyText(now.entryKey, sizeof now.entryKey, plan.entryKey);
    ReadOwnership(&now);
    return RecordIsOurs(now.record, now.recordValue, now.recordHereByIdentity, now.ownPath);
}

EntryRead EntryStillOurs(const RemovalPlan &plan) {
    if (plan.owner[0] == '\0')
        return EntryFound; // to be deleted as it is, whatever it names
    RemovalFacts now = {};
    CopyText(now.ownPath, sizeof now.ownPath, plan.owner);
    now.recordPlace = plan.recordPlace;
    CopyText(now.entryKey, sizeof now.entryKey, plan.entryKey);
    ReadOwnership(&now);
    if (now.entry == EntryUnreadable)
        return EntryUnreadable;
    return EntryIsOurs(now.entry, now.entryCommand, now.entryOwnByIdentity, now.ownPath)
               ? EntryFound
               : EntryAbsent;
}
