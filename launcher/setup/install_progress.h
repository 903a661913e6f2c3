// The progress message the install sends to the main dialog: wParam is the percentage, 0 to 100.
#pragma once
#include <windows.h>

#if __has_include("../ui/main_picture.h")
#include "../ui/main_picture.h"
#endif
#ifndef WM_INSTALLPROGRESS
#define WM_INSTALLPROGRESS (WM_USER + 22)
#endif
