// Window operations every dialog of both programs shares: centring, child rectangles, id swaps.
#pragma once
#include <windows.h>

// Centres `window` over `over` (its parent, else the desktop, when NULL) inside the work area.
void CenterWindow(HWND window, HWND over);

// The child's window rectangle in the parent's client coordinates.
void GetChildRectInParent(HWND parent, HWND child, RECT *rect);

// Exchanges the ids of two dialog controls; FALSE and no change when either is missing.
BOOL SwapControlIds(HWND dialog, int first, int second);
