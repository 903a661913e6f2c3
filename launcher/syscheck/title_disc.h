// Finding the title: its disc by drive type and volume label, else the title root beside the
// launcher, else by asking the user to insert the disc. Setup, Play and Help all find it so.
#pragma once
#include <windows.h>

#include "disc_paths.h"

// TRUE when the root (such as "e:\") is a CD-ROM drive whose volume label equals the label exactly.
BOOL IsTitleDisc(const char *root, const char *label);

// The lower-case letter of the first drive, a to z, holding the disc; 0 when none does.
unsigned char FindTitleDisc(const char *label);

// Where the title is, without asking: the disc, else the title root when it holds the title's
// program. Otherwise kTitleNotFound, with the title root computed all the same.
TitleLocation LookForTitle();

// As LookForTitle, asking for the disc (Retry/Cancel, owned by `owner`) while neither is found;
// kTitleNotFound once the user gave up.
TitleLocation LocateTitle(HWND owner);
