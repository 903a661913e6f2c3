// The running program and the programs it starts: a window's module, the module's own path,
// which family of Windows runs it, and starting a command line.
#pragma once
#include <windows.h>

#include <cstddef>

// The module instance a window belongs to.
HINSTANCE InstanceOf(HWND window);

// The module's full path into dst; false (dst empty) when the system gives none or it does not
// fit whole: a cut path names another file.
bool ModulePath(HINSTANCE instance, char *dst, size_t capacity);

// True on the NT family (NT, 2000 and later, and Wine), whose command interpreter runs batch
// files itself; false on the 9x family, where a PIF starts them under MS-DOS.
bool IsNtFamily();

// Starts a command line (its paths already quoted as they need) with the given show command,
// creation flags and current folder (NULL: ours); does not wait. TRUE when it started. With a
// program file named, exactly that file runs; otherwise the system finds one from the command
// line's first word.
BOOL StartCommandLine(const char *commandLine, WORD show, DWORD flags, const char *folder,
                      const char *program = NULL);
