// The main dialog's Play and Help commands.
#include "play_help.h"

// Not built yet: both commands do nothing.
BOOL PlayTitle(HWND) {
    return FALSE;
}
BOOL ShowHelp(HWND, UINT) {
    return FALSE;
}
BOOL LaunchFromDisc(HWND, UINT) {
    return FALSE;
}
