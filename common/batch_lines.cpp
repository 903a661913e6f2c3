// The lines of the self-deletion batch file, built as data before anything is written.
#include "batch_lines.h"

#include "text.h"
#include "command_quoting.h"

namespace {

struct Lines {
    BatchScript *script;
    size_t limit;
};

bool AddLine(Lines lines, const char *command, const char *argument, size_t argumentLength,
             bool needsEarlierWrite) {
    BatchScript *script = lines.script;
    if (script->count >= kMaxBatchLines)
        return false;
    size_t commandLength = TextLength(command);
    if (commandLength > lines.limit)
        return false;
    BatchLine &line = script->lines[script->count];
    CopyText(line.text, sizeof line.text, command);
    // A path with a blank goes in quotes, which count towards the limit; unquoted, cmd would take
    // its first word for the whole path.
    if (!PutQuotedIfBlank(argument, argumentLength, line.text + commandLength,
                          lines.limit - commandLength + 1))
        return false;
    line.needsEarlierWrite = needsEarlierWrite;
    ++script->count;
    return true;
}

bool AddWhole(Lines lines, const char *command, const char *argument) {
    return AddLine(lines, command, argument, TextLength(argument), false);
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
bool AddRemoveFolders(Lines lines, const char *folder) {
    const size_t kStop = 9;
    const size_t kCommand = 6;
    size_t length = TextLength(folder);
    bool first = true;
    for (;;) {
        if (!AddLine(lines, "rmdir ", folder, length, !first))
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

size_t BatchLineLimit(bool ntFamily) {
    return ntFamily ? kCmdBatchLineLimit : kDosBatchLineLimit;
}

bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, const char *pifPath,
                          const char *batchPath, size_t lineLimit, BatchScript *script) {
    script->count = 0;
    const Lines lines = {script, lineLimit < kCmdBatchLineLimit ? lineLimit : kCmdBatchLineLimit};
    size_t rootEnd = FirstBackslashEnd(ownPath);
    bool ok = rootEnd != 0 && AddWhole(lines, "@echo off", "") &&
              AddLine(lines, "chdir ", ownPath, rootEnd, false) &&
              AddWhole(lines, "del ", ownPath) && AddRemoveFolders(lines, installFolder) &&
              AddWhole(lines, "del ", pifPath) && AddWhole(lines, "del ", batchPath);
    if (!ok)
        script->count = 0;
    return ok;
}

bool SelfDeleteLinesFit(const char *ownPath, size_t lineLimit) {
    char folder[kBatchLineCapacity];
    if (TextLength(ownPath) >= sizeof folder)
        return false;
    CopyText(folder, sizeof folder, ownPath);
    CutAtLastChar(folder, '\\');
    // The temporary files' lines depend on the Windows directory, not on where we install.
    BatchScript script;
    return BuildSelfDeleteLines(ownPath, folder, "", "", lineLimit, &script);
}
