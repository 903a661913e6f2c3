// The system's shield on a button whose command asks for an administrator's rights, drawn by the
// launcher itself. The button keeps its own window procedure for everything but its look: after
// each message that made it draw itself, its face is drawn again with the shield beside the text.
#include "shield_button.h"

#include "../../common/text.h"
#include "shield_layout.h"

namespace {
const char kShieldProperty[] = "BrindShield"; // the shield's icon, while the button shows it
const WORD kShieldIcon = 32518;               // IDI_SHIELD, Vista on
const long kGap = 4;

WNDPROC OriginalProcedure(HWND button) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_USERDATA));
}

void DrawFace(HWND button, HDC context) {
    HICON shield = static_cast<HICON>(GetPropA(button, kShieldProperty));
    RECT face;
    GetClientRect(button, &face);
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    const LRESULT state = SendMessageA(button, BM_GETSTATE, 0, 0);
    const bool pushed = (state & BST_PUSHED) != 0, enabled = IsWindowEnabled(button) != FALSE;
    FillRect(context, &face, GetSysColorBrush(COLOR_BTNFACE));
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
        FrameRect(context, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(context, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    // The focus rectangle, unless the system hides it until the keyboard is used; drawn first:
    // on a button of the usual height it passes where the shield goes, and the shield stays whole.
    const bool hidden = (SendMessageA(button, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((state & BST_FOCUS) != 0 && !hidden) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(context, &focus);
    }

    char text[64] = "";
    GetWindowTextA(button, text, sizeof text);
    HGDIOBJ font =
        SelectObject(context, reinterpret_cast<HGDIOBJ>(SendMessageA(button, WM_GETFONT, 0, 0)));
    RECT measured = {0, 0, 0, 0};
    DrawTextA(context, text, -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    ShieldButtonFacts facts = {};
    facts.width = face.right - face.left;
    facts.height = face.bottom - face.top;
    facts.edge = GetSystemMetrics(SM_CXEDGE) + 1;
    facts.icon = GetSystemMetrics(SM_CXSMICON);
    facts.gap = kGap;
    facts.textWidth = measured.right;
    facts.textHeight = measured.bottom;
    facts.pushed = pushed;
    const ShieldButtonLayout layout = PlanShieldButton(facts);
    const RECT square = {face.left + layout.icon.left, face.top + layout.icon.top,
                         face.left + layout.icon.right, face.top + layout.icon.bottom};
    FillRect(context, &square, GetSysColorBrush(COLOR_BTNFACE)); // no focus dots behind it
    DrawIconEx(context, square.left, square.top, shield, int(facts.icon), int(facts.icon), 0, NULL,
               DI_NORMAL);
    SetBkMode(context, TRANSPARENT);
    SetTextColor(context, GetSysColor(COLOR_BTNTEXT));
    DrawStateA(context, NULL, NULL, reinterpret_cast<LPARAM>(text), int(TextLength(text)),
               int(face.left + layout.text.left), int(face.top + layout.text.top), 0, 0,
               DST_PREFIXTEXT | (enabled ? DSS_NORMAL : DSS_DISABLED));
    SelectObject(context, font);
}

void Redraw(HWND button) {
    if (!IsWindowVisible(button))
        return;
    HDC context = GetDC(button);
    DrawFace(button, context);
    ReleaseDC(button, context);
}

// The messages after which the button has drawn itself without WM_PAINT.
bool DrawsItself(UINT message) {
    switch (message) {
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_MOUSEMOVE:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE:
        return true;
    default:
        return false;
    }
}

LRESULT CALLBACK ShieldButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const WNDPROC original = OriginalProcedure(button);
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC context = BeginPaint(button, &paint);
        DrawFace(button, context);
        EndPaint(button, &paint);
        return 0;
    }
    case WM_NCDESTROY:
        RemovePropA(button, kShieldProperty); // the icon is the system's, shared: not destroyed
        SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        return CallWindowProcA(original, button, message, wParam, lParam);
    default:
        break;
    }
    const LRESULT result = CallWindowProcA(original, button, message, wParam, lParam);
    if (DrawsItself(message))
        Redraw(button);
    return result;
}
} // namespace

void ShowShield(HWND button) {
    if (button == NULL || GetPropA(button, kShieldProperty) != NULL)
        return;
    const int size = GetSystemMetrics(SM_CXSMICON);
    HANDLE shield =
        LoadImageA(NULL, MAKEINTRESOURCEA(kShieldIcon), IMAGE_ICON, size, size, LR_SHARED);
    if (shield == NULL || !SetPropA(button, kShieldProperty, shield))
        return;
    SetWindowLongPtrA(button, GWLP_USERDATA, GetWindowLongPtrA(button, GWLP_WNDPROC));
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ShieldButtonProc));
    InvalidateRect(button, NULL, TRUE);
}
