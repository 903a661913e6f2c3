// The system's own DLLs as the programs load them: from the system directory by full path, never
// through a search that a folder others may write could answer first, and the functions newer
// systems add, looked up by name.
#pragma once
#include <windows.h>

#include <cstddef>

// An exported function as the caller's function type; NULL when the module is NULL or does not
// export it (a function newer than the running system).
template <typename Function> Function ExportedFunction(HMODULE module, const char *name) {
    return module != NULL
               ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)))
               : NULL;
}

// The full path of a file in the system directory ("C:\WINDOWS\system32\cmd.exe"); false (dst
// empty) when it does not fit.
bool SystemFilePath(const char *name, char *dst, size_t capacity);

// Loads a DLL of the system's own from the system directory by its full path; NULL when it is not
// there or the path does not fit. Release it with FreeLibrary.
HMODULE LoadSystemLibrary(const char *name);

// The function `name` of the system's DLL `dll`: the DLL the process already holds, or else the
// one in the system directory, loaded on first use and kept for the process's life (so that a
// program loads a DLL only when a command needs it). NULL when the system has no such DLL or
// function.
FARPROC SystemFunction(const char *dll, const char *name);

template <typename Call> Call SystemCall(const char *dll, const char *name) {
    return reinterpret_cast<Call>(reinterpret_cast<void *>(SystemFunction(dll, name)));
}

// Keeps every later DLL load of this process, the system's own included, to the system directory
// where the system offers that (Windows 8 on, 7 and Vista with their update), or at least out of
// the current folder (XP SP1 on); nothing on older systems. Called first thing at start-up.
void RestrictDllSearch();
