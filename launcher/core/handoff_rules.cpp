// Deciding whether a registered command line may be handed off to.
#include "handoff_rules.h"

#include "../../common/text.h"

#include <cstring>

void ProgramPathOf(const char *commandLine, char *dst, size_t capacity) {
    CopyText(dst, capacity, commandLine);
    char *blank = std::strchr(dst, ' ');
    if (blank != nullptr)
        *blank = '\0';
}

bool NamesThisLauncher(const char *registered, const char *ownPath) {
    if (std::strcmp(registered, ownPath) == 0)
        return true;
    char program[256];
    ProgramPathOf(registered, program, sizeof program);
    return EqualIgnoringCase(program, ownPath);
}
