// Each chunk's percentage posted to the main window, with the queue held short.
#include "progress_post.h"

#include "../ui/main_picture.h"

bool OpenProgressPost(ProgressPost *post, HWND window, DWORD pausePerChunk) {
    post->window = window;
    post->pausePerChunk = pausePerChunk;
    post->unhandled = 0;
    post->taken = CreateEventA(NULL, FALSE, FALSE, NULL);
    return post->taken != NULL;
}

void CloseProgressPost(ProgressPost *post) {
    if (post->taken != NULL)
        CloseHandle(post->taken);
    post->taken = NULL;
}

// Waits while the window has the most messages it may hold in its queue; a window that has gone
// takes none, and the post that follows then fails at once.
static void WaitForRoom(ProgressPost &post) {
    while (post.unhandled >= kMaxUnhandledProgress)
        if (WaitForSingleObject(post.taken, 100) == WAIT_TIMEOUT && !IsWindow(post.window))
            return;
}

void PostProgress(void *context, unsigned percent) {
    ProgressPost &post = *static_cast<ProgressPost *>(context);
    const bool ownThread = GetWindowThreadProcessId(post.window, NULL) == GetCurrentThreadId();
    bool posted = false;
    if (post.taken != NULL && !ownThread) {
        WaitForRoom(post);
        InterlockedIncrement(&post.unhandled);
        posted = PostMessageA(post.window, WM_INSTALLPROGRESS, percent, kPostedProgress) != 0;
        if (!posted)
            InterlockedDecrement(&post.unhandled);
    }
    if (!posted) // a queue the system calls full, or no second thread: the window answers first
        SendMessageA(post.window, WM_INSTALLPROGRESS, percent, 0);
    if (post.pausePerChunk != 0)
        Sleep(post.pausePerChunk);
}

void ProgressTaken(ProgressPost *post, LPARAM lParam) {
    if (lParam != kPostedProgress || post->taken == NULL)
        return;
    // Woken only when the queue has drained to half, so that the copy posts in runs rather than
    // one message per wake; a copy that waits has kMaxUnhandledProgress queued, so the count passes
    // half on its way down.
    if (InterlockedDecrement(&post->unhandled) == kMaxUnhandledProgress / 2)
        SetEvent(post->taken);
}
