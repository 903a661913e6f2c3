// A test double that only carries a version resource: a long FileVersion in a German Unicode
// string block, for reading version texts from blocks other than the launcher's own.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return 0;
}
