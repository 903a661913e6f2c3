// The lines of the self-deletion batch file, built as data before anything is written.
#include "batch_lines.h"

#include "command_quoting.h"
#include "text.h"

namespace {

struct Lines {
    BatchScript *script;
    size_t limit;
};

// command + the path (quoted, "%" doubled) + tail, whole within the limit, or no line at all.
bool AddPathLine(Lines lines, const char *command, const char *path, size_t pathLength,
                 const char *tail) {
    BatchScript *script = lines.script;
    if (script->count >= kMaxBatchLines)
        return false;
    const size_t commandLength = TextLength(command);
    const size_t tailLength = TextLength(tail);
    if (commandLength + tailLength + 2 > lines.limit)
        return false;
    BatchLine &line = script->lines[script->count];
    CopyText(line.text, sizeof line.text, command);
    if (!PutBatchPath(path, pathLength, line.text + commandLength,
                      lines.limit - commandLength - tailLength + 1))
        return false;
    AppendText(line.text, sizeof line.text, tail);
    ++script->count;
    return true;
}

bool AddPath(Lines lines, const char *command, const char *path, const char *tail = "") {
    return AddPathLine(lines, command, path, TextLength(path), tail);
}

// A line of our own, with no path in it.
bool AddText(Lines lines, const char *text) {
    BatchScript *script = lines.script;
    if (script->count >= kMaxBatchLines || TextLength(text) > lines.limit)
        return false;
    BatchLine &line = script->lines[script->count++];
    CopyText(line.text, sizeof line.text, text);
    return true;
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

// Deletes the uninstaller, trying again about once a second while its process still holds the
// file, and goes on once it is gone or the tries ran out (then the folders stay, as they hold it).
bool AddDeleteOwnFile(Lines lines, const char *ownPath) {
    char lastTry[96] = "if \"%brindtries%\"==\"";
    for (int i = 0; i < kSelfDeleteTries; ++i)
        AppendText(lastTry, sizeof lastTry, ".");
    AppendText(lastTry, sizeof lastTry, "\" goto gone");
    return AddText(lines, "set brindtries=") && AddText(lines, ":retry") &&
           AddPath(lines, "del ", ownPath) &&
           AddPath(lines, "if not exist ", ownPath, " goto gone") &&
           AddText(lines, "set brindtries=%brindtries%.") && AddText(lines, lastTry) &&
           AddText(lines, "ping -n 2 127.0.0.1 >nul") && AddText(lines, "goto retry") &&
           AddText(lines, ":gone");
}

// "rmdir " + folder, then each parent while the line stays longer than "rmdir " and a drive, and
// the level is longer than the link's. The parents are cut from the path as it is; each line
// quotes its own folder.
bool AddRemoveFolders(Lines lines, const char *folder, size_t linkEnd) {
    const size_t kStop = 9;
    const size_t kCommand = 6;
    size_t length = TextLength(folder);
    for (;;) {
        if (linkEnd != 0 && length <= linkEnd)
            return true;
        if (!AddPathLine(lines, "rmdir ", folder, length, ""))
            return false;
        size_t cut = LastBackslash(folder, length);
        if (cut == length) // nothing left to cut: the line would repeat itself
            return true;
        length = cut;
        if (kCommand + length <= kStop)
            return true;
    }
}

// One line in the interpreter's code page, exactly: converted, and converted back to the same
// text, within the line limit; the line is left as it was otherwise.
bool ConvertLine(BatchLine *line, const BatchInterpreter &interpreter, size_t limit) {
    if (interpreter.ansiPage == interpreter.oemPage)
        return true;
    const TextConverter &converter = interpreter.converter;
    char converted[kBatchLineCapacity], back[kBatchLineCapacity];
    if (converter.convert == nullptr ||
        !converter.convert(converter.context, interpreter.ansiPage, interpreter.oemPage, line->text,
                           converted, sizeof converted) ||
        !converter.convert(converter.context, interpreter.oemPage, interpreter.ansiPage, converted,
                           back, sizeof back) ||
        !EqualText(back, line->text) || TextLength(converted) > limit)
        return false;
    CopyText(line->text, sizeof line->text, converted);
    return true;
}

bool ConvertLines(BatchScript *script, const BatchInterpreter &interpreter, size_t limit) {
    for (int i = 0; i < script->count; ++i)
        if (!ConvertLine(&script->lines[i], interpreter, limit))
            return false;
    return true;
}

// The batch's last line deletes the batch itself. A temporary folder whose name the interpreter's
// code page cannot hold (a user name with such a letter) leaves that line out: a batch file left
// in the temporary folder is better than an uninstaller left in its folder.
bool AddDeleteBatch(Lines lines, const char *batchPath, const BatchInterpreter &interpreter) {
    if (!AddPath(lines, "del ", batchPath))
        return false;
    BatchScript *script = lines.script;
    if (!ConvertLine(&script->lines[script->count - 1], interpreter, lines.limit))
        --script->count;
    return true;
}

} // namespace

size_t BatchLineLimit(bool ntFamily) {
    return ntFamily ? kCmdBatchLineLimit : kDosBatchLineLimit;
}

bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, size_t linkEnd,
                          const char *pifPath, const char *batchPath,
                          const BatchInterpreter &interpreter, BatchScript *script) {
    script->count = 0;
    const size_t limit =
        interpreter.lineLimit < kCmdBatchLineLimit ? interpreter.lineLimit : kCmdBatchLineLimit;
    const Lines lines = {script, limit};
    size_t rootEnd = FirstBackslashEnd(ownPath);
    bool ok = rootEnd != 0 && AddText(lines, "@echo off") &&
              AddPathLine(lines, "chdir ", ownPath, rootEnd, "") &&
              AddDeleteOwnFile(lines, ownPath) && AddRemoveFolders(lines, installFolder, linkEnd) &&
              (pifPath[0] == '\0' || AddPath(lines, "del ", pifPath)) &&
              ConvertLines(script, interpreter, limit) &&
              AddDeleteBatch(lines, batchPath, interpreter);
    if (!ok)
        script->count = 0;
    return ok;
}

bool SelfDeleteLinesFit(const char *ownPath, const BatchInterpreter &interpreter) {
    char folder[kBatchLineCapacity];
    if (TextLength(ownPath) >= sizeof folder)
        return false;
    CopyText(folder, sizeof folder, ownPath);
    CutAtLastChar(folder, '\\');
    // The temporary files' lines depend on the temporary folder, not on where we install.
    BatchScript script;
    return BuildSelfDeleteLines(ownPath, folder, 0, "", "", interpreter, &script);
}
