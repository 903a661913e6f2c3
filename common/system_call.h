// Functions of the system's DLLs reached at run time: those newer than Windows 95, and those of
// DLLs a program loads only when a command needs them, so that starting it loads fewer.
#pragma once
#include <windows.h>

// The function `name` of `dll`, the DLL loaded on first use and kept for the process's life; NULL
// when the system has no such DLL or function.
FARPROC SystemFunction(const char *dll, const char *name);

template <typename Call> Call SystemCall(const char *dll, const char *name) {
    return reinterpret_cast<Call>(reinterpret_cast<void *>(SystemFunction(dll, name)));
}
