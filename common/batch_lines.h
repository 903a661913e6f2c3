// The lines of the self-deletion batch file, built as data before anything is written.
#pragma once
#include <cstddef>

// Under MS-DOS (the 9x family runs the batch through a PIF) a line with its CR LF and NUL fits
// 128 bytes: at most 125 characters. The NT family's command interpreter takes far longer lines;
// ours hold at most a short command around a quoted MAX_PATH path whose every character is a
// doubled "%", which this capacity takes whole.
constexpr size_t kDosBatchLineLimit = 125;
constexpr size_t kBatchLineCapacity = 548;
constexpr size_t kCmdBatchLineLimit = kBatchLineCapacity - 3;
// Enough for every folder level a MAX_PATH folder can have, and the other lines.
constexpr int kMaxBatchLines = 144;
// How many times the batch tries to delete the uninstaller, about a second apart, before it goes
// on without it: the uninstaller's process may still hold its file for a moment after it exits.
constexpr int kSelfDeleteTries = 30;

// The longest line the interpreter that will run the batch takes.
size_t BatchLineLimit(bool ntFamily);

struct BatchLine {
    char text[kBatchLineCapacity];
};

struct BatchScript {
    BatchLine lines[kMaxBatchLines];
    int count;
};

// "@echo off"; "chdir" the own drive's root; "del" the own file, again about once a second
// (ping's pause) until it is gone or the tries run out; "rmdir" the install folder and each parent
// (deepest first, not the root); "del" the PIF when there is one (pifPath not empty); "del" the
// batch file. Every path is in double quotes with each "%" doubled, so that no character of a
// folder's name (& ; = ^ ( ) ! % or a blank) is read as anything but part of the path. False, with
// no lines, when a line would pass `lineLimit` characters, a path holds a quote or a control
// character, or the own path has no backslash: a cut or broken path sends the commands elsewhere.
bool BuildSelfDeleteLines(const char *ownPath, const char *installFolder, const char *pifPath,
                          const char *batchPath, size_t lineLimit, BatchScript *script);

// True when an uninstaller at ownPath could write the lines that delete it and its folders: what
// Setup checks before it installs into a folder, so that every installation can be removed.
bool SelfDeleteLinesFit(const char *ownPath, size_t lineLimit);
