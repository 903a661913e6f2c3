// Functions of the system's DLLs reached at run time.
#include "system_call.h"

FARPROC SystemFunction(const char *dll, const char *name) {
    HMODULE module = GetModuleHandleA(dll);
    if (module == NULL)
        module = LoadLibraryA(dll);
    return module != NULL ? GetProcAddress(module, name) : NULL;
}
