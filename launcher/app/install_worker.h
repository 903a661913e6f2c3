// The install carried out on a thread of its own, so that the main window keeps taking its
// messages (moved, covered, repainted, asked by the system whether it still answers) while the
// disc is copied.
#pragma once
#include <windows.h>

#include "../setup/install.h"
#include "elevation.h"
#include "progress_post.h"

// Posted by the install's thread to the main dialog once the install has ended, whole or undone:
// the outcome is then in the worker, and the thread is about to end.
#define WM_INSTALLDONE (0x0400 + 23)

// One install run: what the thread is given, and what it leaves for the main dialog.
struct InstallWorker {
    HANDLE thread; // NULL while no install runs
    HWND dialog;   // the main dialog: the progress and the end go there
    InstallPlan plan;
    bool handOff;           // an elevated launcher installs, and this thread waits for it
    DWORD pausePerChunk;    // test builds only: milliseconds waited after each progress message
    ProgressPost progress;  // each chunk's percentage on its way to the dialog
    InstallOutcome outcome; // written by the thread before it posts WM_INSTALLDONE
    HandOffResult handOffResult;
};

// Starts the install described by `worker` (dialog, plan, handOff, pausePerChunk) and returns at
// once. When no thread can be had the install runs here, as a single-threaded launcher would run
// it; either way WM_INSTALLDONE follows.
void StartInstallWorker(InstallWorker *worker);

// True while an install has started and its end has not been taken with FinishInstallWorker.
bool InstallRunning(const InstallWorker &worker);

// Waits for the thread (it has posted WM_INSTALLDONE or is about to) and releases it. Nothing
// happens when no install runs.
void FinishInstallWorker(InstallWorker *worker);
