// Deciding whether a registered command line may be handed off to.
#pragma once
#include <cstddef>

// The program path of a registered command line: the text before its first blank.
void ProgramPathOf(const char *commandLine, char *dst, size_t capacity);

// True when the registration names this launcher: the whole text equals its own path, or the
// program path equals it in any letter case (so arguments or another case cannot start a loop of
// launchers handing off to each other).
bool NamesThisLauncher(const char *registered, const char *ownPath);
