// The install carried out on a thread of its own while the main window keeps taking its messages.
//
// Why a thread rather than taking messages between chunks: the copy is not the only long step.
// The flush of the data file, the uninstaller's copy and the moves into place are single calls
// that can each take seconds on a slow or busy disk, and the hand-off waits on an elevated
// launcher for the whole install; only a second thread keeps the window answering through all of
// them. It also keeps the executor free of any window: no message handler can run inside one of
// its steps, so nothing re-enters the install halfway. CreateThread, not the C runtime's thread
// functions: the size check keeps the runtime's thread library out, and the thread uses no runtime
// state of its own.
#include "install_worker.h"

#include "elevated_install.h"

namespace {
void RunInstall(InstallWorker &worker) {
    if (worker.handOff) {
        worker.outcome = HandOffInstall(worker.plan.folder, worker.dialog, &worker.handOffResult);
    } else {
        const ProgressSink progress = {PostProgress, &worker.progress};
        worker.outcome = CarryOutInstall(worker.plan, progress);
        worker.handOffResult = HandOffNone;
    }
    // The window stays locked until this arrives: from the install's own thread a full message
    // queue is waited out while the window takes its messages.
    const bool ownThread = GetWindowThreadProcessId(worker.dialog, NULL) == GetCurrentThreadId();
    while (!PostMessageA(worker.dialog, WM_INSTALLDONE, 0, 0) && !ownThread &&
           IsWindow(worker.dialog))
        Sleep(50);
}

DWORD WINAPI InstallThread(LPVOID parameter) {
    RunInstall(*static_cast<InstallWorker *>(parameter));
    return 0;
}
} // namespace

void StartInstallWorker(InstallWorker *worker) {
    worker->outcome = InstallOutcome{false, worker->plan.refusal, kInstallSteps, false};
    worker->handOffResult = HandOffNone;
    OpenProgressPost(&worker->progress, worker->dialog, worker->pausePerChunk);
    DWORD id = 0; // Windows 95 needs somewhere to put the thread's id
    worker->thread = CreateThread(NULL, 0, InstallThread, worker, 0, &id);
    if (worker->thread != NULL)
        return;
    // No thread to be had: the window waits, but the install is still whole or undone.
    worker->thread = INVALID_HANDLE_VALUE;
    RunInstall(*worker);
}

bool InstallRunning(const InstallWorker &worker) {
    return worker.thread != NULL;
}

void FinishInstallWorker(InstallWorker *worker) {
    if (worker->thread == NULL)
        return;
    if (worker->thread != INVALID_HANDLE_VALUE) {
        WaitForSingleObject(worker->thread, INFINITE);
        CloseHandle(worker->thread);
    }
    CloseProgressPost(&worker->progress);
    worker->thread = NULL;
}
