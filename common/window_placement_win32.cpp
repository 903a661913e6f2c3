// Window operations every dialog of both programs shares: centring, child rectangles, id swaps.
#include "window_placement.h"

#include "placement.h"

static Box ToBox(const RECT &r) {
    return Box{r.left, r.top, r.right, r.bottom};
}

void CenterWindow(HWND window, HWND over) {
    if (over == NULL)
        over = GetParent(window);
    if (over == NULL)
        over = GetDesktopWindow();
    RECT mine, theirs, area = {0, 0, 0, 0};
    GetWindowRect(window, &mine);
    GetWindowRect(over, &theirs);
    SystemParametersInfoA(SPI_GETWORKAREA, sizeof area, &area, 0);
    Spot spot = CenteredSpot(ToBox(mine), ToBox(theirs), ToBox(area), GetSystemMetrics(SM_CXSCREEN),
                             GetSystemMetrics(SM_CYSCREEN));
    SetWindowPos(window, NULL, int(spot.x), int(spot.y), 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void GetChildRectInParent(HWND parent, HWND child, RECT *rect) {
    GetWindowRect(child, rect);
    POINT topLeft = {rect->left, rect->top}, bottomRight = {rect->right, rect->bottom};
    ScreenToClient(parent, &topLeft);
    ScreenToClient(parent, &bottomRight);
    rect->left = topLeft.x;
    rect->top = topLeft.y;
    rect->right = bottomRight.x;
    rect->bottom = bottomRight.y;
}

BOOL SwapControlIds(HWND dialog, int first, int second) {
    HWND a = GetDlgItem(dialog, first), b = GetDlgItem(dialog, second);
    if (a == NULL || b == NULL)
        return FALSE;
    SetWindowLongPtrA(a, GWLP_ID, second);
    SetWindowLongPtrA(b, GWLP_ID, first);
    return TRUE;
}
