// Finding the title's disc by drive type and volume label, and asking the user to insert it.
#pragma once
#include <windows.h>

// TRUE when the root (such as "e:\") is a CD-ROM drive whose volume label equals the label exactly.
BOOL IsTitleDisc(const char *root, const char *label);

// The lower-case letter of the first drive, a to z, holding the disc; 0 when none does.
unsigned char FindTitleDisc(const char *label);

// The insert-disc box (Retry/Cancel, stop icon) owned by the main dialog: IDRETRY or IDCANCEL.
int ShowInsertDiscPrompt(HWND owner);

// Searches for the disc, asking again on Retry; the letter, or 0 when the user gave up.
unsigned char WaitForTitleDisc(HWND owner);

// The program-wide title root (folder above the launcher's own, trailing backslash).
const char *TitleRoot();
// Computes the title root from the running launcher's path and stores it.
void ComputeTitleRoot();

// Where the title's files are: the disc's letter, 255 when the title root holds the title's
// program, or 0 after the user cancelled the prompt.
unsigned char LocateTitle(HWND owner);
