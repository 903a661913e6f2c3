// Driving the built programs from a test, as a person would: start them, find their windows,
// read and click their controls, read message boxes, and wait for them to end.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// Windows path of a file in the build's dist/ folder (BRINDLE_DIST), e.g.
// DistPath("RBRINDMOR.EXE").
std::string DistPath(const std::string &relative);
// Windows path of a Unix path (Wine's Z: drive).
std::string WindowsPathOf(const std::string &unixPath);
// Windows path of the rig's folder for drive E: (the copy of the title disc).
std::string DiscFolder();

struct Process {
    HANDLE handle = NULL;
    DWORD id = 0;
};
// Starts a command line in a folder (NULL: the test's own); the process handle must be closed.
Process StartProcess(const std::string &commandLine, const char *folder = NULL);
// Waits for the process to end; true with its exit code, false on time-out.
bool WaitForExit(Process &process, DWORD milliseconds, DWORD *exitCode = NULL);
// Ends a process that is still running (clean-up after a failed test) and closes its handle.
void EndProcess(Process &process);

// A visible top-level window of the class (and caption, when given) owned by the process (0: any).
HWND FindTopWindow(const char *className, const char *caption, DWORD processId = 0);
HWND WaitForTopWindow(const char *className, const char *caption, DWORD processId,
                      DWORD milliseconds);
// A message box (#32770 with the static 0xFFFF) owned by the process, waited for.
HWND WaitForMessageBox(DWORD processId, DWORD milliseconds);
std::string MessageBoxText(HWND box);

std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
// The same read as Unicode, as the window holds it: what a text in another code page looks like.
std::wstring WideWindowText(HWND window);
std::wstring WideControlText(HWND dialog, int id);
bool ControlVisible(HWND dialog, int id);
bool ControlEnabled(HWND dialog, int id);
// The control that has the keyboard focus in the window's thread (0 when none).
int FocusedControlId(HWND window);
// Presses a button the way a click does (BM_CLICK, posted so the test never blocks on a modal
// loop).
void ClickButton(HWND dialog, int id);
// Types into another process's edit control character by character (so every keystroke's
// notifications run), replacing its text.
void TypeInto(HWND dialog, int id, const std::string &text);
// Lets the other process handle what was posted, and repaint.
void Settle(DWORD milliseconds = 300);

// Client rectangle of a window in screen coordinates.
RECT ClientRectOnScreen(HWND window);
// The screen's pixels in a rectangle, as 0x00RRGGBB values, row by row.
// Pixels (0x00RRGGBB, rows top down) of a width x height picture that `draw` paints into a
// 32-bit memory context; empty when either size is not positive.
std::vector<unsigned> DrawnPixels(int width, int height, const std::function<void(HDC)> &draw);
std::vector<unsigned> CapturePixels(const RECT &area);
// The same once the screen there has settled: Wine draws into a window's surface and puts it on
// the X server later, when the drawing process next waits for messages, so a capture right after
// a repaint may still show the picture before it. Captures until two, 200 ms apart, are equal
// (at most about 5 s) and returns the last.
std::vector<unsigned> CaptureSettledPixels(const RECT &area);
