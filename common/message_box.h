// The message boxes of both programs: a string of the language block, with the title as caption.
#pragma once
#include <windows.h>

// Shows language string `textOffset` with its first "%<letter>" replaced by `replacement` (when
// letter is not 0) and its first "%T" by the title, captioned with the title. The box's answer.
int ShowStringBox(HWND owner, UINT textOffset, UINT style, char letter = '\0',
                  const char *replacement = "");
