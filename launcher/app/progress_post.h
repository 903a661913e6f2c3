// Each chunk's percentage, told by the install's thread to the main window on the first thread.
//
// Posted, not sent: a sent message makes the copy wait for the window's thread to wake, answer and
// hand back for every chunk, which costs more than reading the chunk wherever a thread switch is
// slow. Posted messages keep their order, and the window still takes one per chunk and draws it at
// once (OnInstallProgress updates the window itself). So that a window that falls behind cannot
// fill its queue (the system refuses posts beyond 10,000) or hold ever more messages, the copy
// waits while kMaxUnhandledProgress of them are still in the queue.
#pragma once
#include <windows.h>

const LONG kMaxUnhandledProgress = 32;
// The lParam of a progress message this mechanism posted; the elevated launcher's sent progress
// carries 0 and is not counted.
const LPARAM kPostedProgress = 0x2050;

struct ProgressPost {
    HWND window;
    DWORD pausePerChunk;     // test builds only: milliseconds waited after each message
    volatile LONG unhandled; // posted and not yet taken by the window
    HANDLE taken;            // auto-reset: the window took one; NULL makes every message sent
};

// Ready to report to `window`; false when no event could be had (then each message is sent).
bool OpenProgressPost(ProgressPost *post, HWND window, DWORD pausePerChunk);
void CloseProgressPost(ProgressPost *post);

// The ProgressSink function for the copy; `context` is the ProgressPost. From the window's own
// thread the message is sent, as there is no other thread to take a posted one meanwhile.
void PostProgress(void *context, unsigned percent);

// The window's thread, for each WM_INSTALLPROGRESS it takes.
void ProgressTaken(ProgressPost *post, LPARAM lParam);
