// The lines of the self-deletion batch file, built as data before anything is written.
#include "batch_lines.h"

#include "text.h"
#include "command_quoting.h"

namespace {

bool AddLine(BatchScript *script, const char *command, const char *argument, size_t argumentLength,
             bool needsEarlierWrite) {
    if (script->count >= kMaxBatchLines)
        return false;
    size_t commandLength = TextLength(command);
    if (commandLength > kBatchLineLimit)
        return false;
    BatchLine &line = script->lines[script->count];
    CopyText(line.text, sizeof line.text, command);
    // A path with a blank goes in quotes, which count towards the 125 characters; unquoted, cmd
    // would take its first word for the whole path.
    if (!PutQuotedIfBlank(argument, argumentLength, line.text + commandLength,
                          kBatchLineLimit - commandLength + 1))
        return false;
    line.needsEarlierWrite = needsEarlierWrite;
    ++script->count;
    return true;
}

bool AddWhole(BatchScript *script, const char *command, const char *argument) {
    return AddLine(script, command, argument, TextLength(argument), false);
}

size_t FirstBackslashEnd(const char *path) {
    for (size_t i = 0; path[i] != '\0'; ++i)
        if (path[i] == '\\')
            return i + 1;
    return 0;
}

size_t LastBackslash(const char *text, size_t length) {
    for (size_t i = length; i > 0; --i)
        if (text[i - 1] == '\\')
            return i - 1;
    return length;
}

// "rmdir " + folder, then each parent while the line stays longer than "rmdir " and a drive. The
// parents are cut from the unquoted path; each line quotes its own folder as it needs.
bool AddRemoveFolders(BatchScript *script, const char *folder) {
    const size_t kStop = 9;
    const size_t kCommand = 6;
    size_t length = TextLength(folder);
    bool first = true;
    for (;;) {
        if (!AddLine(script, "rmdir ", folder, length, !first))
            return false;
        first = false;
        size_t cut = LastBackslash(folder, length);
        if (cut == length) // nothing left to cut: the line would repeat itself
            return true;
        length = cut;
        if (kCommand + length <= kStop)
            return true;
    }
}

} // namespace

bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, const char *pifPath,
                          const char *batchPath, BatchScript *script) {
    script->count = 0;
    size_t rootEnd = FirstBackslashEnd(ownPath);
    bool ok = rootEnd != 0 && AddWhole(script, "@echo off", "") &&
              AddLine(script, "chdir ", ownPath, rootEnd, false) &&
              AddWhole(script, "del ", ownPath) && AddRemoveFolders(script, installFolder) &&
              AddWhole(script, "del ", pifPath) && AddWhole(script, "del ", batchPath);
    if (!ok)
        script->count = 0;
    return ok;
}
