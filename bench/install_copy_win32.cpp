// Benchmark: the install's chunked copy (on its own thread, its progress sent to a window on the
// first, as in the launcher) against CopyFileA on the same files, with the time it takes beyond
// CopyFileA's, the number of picture repaints and the peak working set during the copy.
// Not a test: it prints a table row.
//   install_copy_bench LAUNCHER_EXE FOLDER SIZE_MIB...
#include <windows.h>
#include <psapi.h>

#include "bench/bench_support.h"
#include "common/string_source.h"
#include "launcher/app/progress_post.h"
#include "launcher/resources/resource_ids.h"
#include "launcher/setup/install_files.h"

#include "launcher/ui/picture_window.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
long gProgressMessages = 0;
MainPicture gPicture;
ProgressPost gProgress;

// The main dialog's picture handling, on a plain window of the picture's size.
LRESULT CALLBACK PictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INSTALLPROGRESS:
        ++gProgressMessages;
        ProgressTaken(&gProgress, lParam);
        return OnInstallProgress(window, gPicture, wParam);
    case WM_PAINT:
        return OnPicturePaint(window, gPicture);
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Takes the progress without painting anything, to tell the copy's own cost from the picture's.
LRESULT CALLBACK QuietProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INSTALLPROGRESS) {
        ProgressTaken(&gProgress, lParam);
        return TRUE;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeQuietWindow() {
    WNDCLASSA type = {};
    type.lpfnWndProc = QuietProc;
    type.hInstance = GetModuleHandleA(NULL);
    type.lpszClassName = "InstallCopyBenchQuiet";
    RegisterClassA(&type);
    return CreateWindowA("InstallCopyBenchQuiet", "quiet", WS_POPUP, 0, 0, 10, 10, NULL, NULL,
                         GetModuleHandleA(NULL), NULL);
}

HWND MakePictureWindow(HMODULE launcher) {
    LoadMainPicture(launcher, true, &gPicture);
    const MainPicture &picture = gPicture;
    WNDCLASSA type = {};
    type.lpfnWndProc = PictureProc;
    type.hInstance = GetModuleHandleA(NULL);
    type.lpszClassName = "InstallCopyBench";
    RegisterClassA(&type);
    HWND window =
        CreateWindowA("InstallCopyBench", "bench", WS_POPUP | WS_VISIBLE, 0, 0, int(picture.width),
                      int(picture.height), NULL, NULL, GetModuleHandleA(NULL), NULL);
    UpdateWindow(window);
    return window;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

struct CopyJob {
    std::string source, copy, target, kept;
    bool ok;
};

DWORD WINAPI CopyThread(LPVOID parameter) {
    CopyJob &job = *static_cast<CopyJob *>(parameter);
    SourceReader reader = {nullptr, 0};
    bool keptAside = false;
    job.ok = OpenSourceFile(job.source.c_str(), &reader) &&
             CopyToFile(&reader, job.copy.c_str(), ProgressSink{PostProgress, &gProgress}) &&
             KeepAside(job.target.c_str(), job.kept.c_str(), &keptAside) &&
             MoveIn(job.copy.c_str(), job.target.c_str());
    return 0;
}

// What the install does with the data file, as the launcher does it: the copy beside its place
// and the move into it on a thread of their own, each percentage posted to the window on this
// thread, which takes its messages meanwhile.
double TimeInstallCopy(const std::string &source, const std::string &target, HWND window,
                       long *repaints, long *messages) {
    long paintedBefore = gPicture.repaints;
    gProgressMessages = 0;
    CopyJob job = {source, target + "~", target, target + "#", false};
    OpenProgressPost(&gProgress, window, 0);
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    DWORD id = 0;
    HANDLE thread = CreateThread(NULL, 0, CopyThread, &job, 0, &id);
    while (thread != NULL && MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) ==
                                 WAIT_OBJECT_0 + 1) {
        MSG message;
        while (PeekMessageA(&message, NULL, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    QueryPerformanceCounter(&end);
    if (thread != NULL)
        CloseHandle(thread);
    CloseProgressPost(&gProgress);
    const bool ok = job.ok;
    *repaints = gPicture.repaints - paintedBefore;
    *messages = gProgressMessages;
    return ok ? Seconds(start, end) : -1.0;
}

double TimeCopyFile(const std::string &source, const std::string &target) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    BOOL ok = CopyFileA(source.c_str(), target.c_str(), FALSE);
    QueryPerformanceCounter(&end);
    return ok ? Seconds(start, end) : -1.0;
}

// The system's copy made as durable as the install's, which flushes its copy before moving it in.
double TimeCopyFileFlushed(const std::string &source, const std::string &target) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    bool ok = CopyFileA(source.c_str(), target.c_str(), FALSE) != FALSE;
    HANDLE file = ok ? CreateFileA(target.c_str(), GENERIC_WRITE, 0, NULL, OPEN_EXISTING, 0, NULL)
                     : INVALID_HANDLE_VALUE;
    ok = file != INVALID_HANDLE_VALUE && FlushFileBuffers(file);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    QueryPerformanceCounter(&end);
    return ok ? Seconds(start, end) : -1.0;
}

SIZE_T PeakWorkingSet() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize;
}

double Best(double a, double b) {
    if (a < 0)
        return b;
    if (b < 0)
        return a;
    return a < b ? a : b;
}
} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s LAUNCHER_EXE FOLDER SIZE_MIB...\n", argv[0]);
        return 2;
    }
    HMODULE launcher = LoadLibraryExA(argv[1], NULL, LOAD_LIBRARY_AS_DATAFILE);
    if (launcher == NULL) {
        std::fprintf(stderr, "cannot load %s\n", argv[1]);
        return 2;
    }
    SetStringSource(launcher, LANG_BASE_ENGLISH);
    HWND window = MakePictureWindow(launcher);
    HWND quiet = MakeQuietWindow();
    std::string folder = argv[2];
    CreateDirectoryA(folder.c_str(), NULL);
    const std::string source = folder + "\\source.qkt", installed = folder + "\\installed.qkt",
                      copied = folder + "\\copied.qkt";

    for (int i = 3; i < argc; ++i) {
        DWORD mebibytes = DWORD(std::strtoul(argv[i], NULL, 10));
        if (!MakeRealBytes(source, mebibytes)) {
            std::fprintf(stderr, "cannot write %lu MiB source\n", (unsigned long)mebibytes);
            return 1;
        }
        SIZE_T peakBefore = PeakWorkingSet();
        long repaints = 0, messages = 0;
        // Alternating runs, best of three each, so neither side keeps the warmer cache.
        double copyFile = -1, flushed = -1, install = -1, unpainted = -1;
        long quietRepaints = 0, quietMessages = 0;
        SIZE_T peakInstall = 0;
        for (int run = 0; run < 3; ++run) {
            install =
                Best(install, TimeInstallCopy(source, installed, window, &repaints, &messages));
            DeleteFileA(installed.c_str());
            if (run == 0)
                peakInstall = PeakWorkingSet(); // before CopyFileA's own buffers could add to it
            copyFile = Best(copyFile, TimeCopyFile(source, copied));
            DeleteFileA(copied.c_str());
            flushed = Best(flushed, TimeCopyFileFlushed(source, copied));
            DeleteFileA(copied.c_str());
            unpainted = Best(unpainted, TimeInstallCopy(source, installed, quiet, &quietRepaints,
                                                        &quietMessages));
            DeleteFileA(installed.c_str());
        }
        DeleteFileA(source.c_str());
        if (install <= 0 || copyFile <= 0 || flushed <= 0 || unpainted <= 0) {
            std::fprintf(stderr, "a copy of %lu MiB failed\n", (unsigned long)mebibytes);
            return 1;
        }
        // The time a user could notice: what the install copy takes beyond the system's copy.
        std::printf("%5lu MiB | install %7.1f MB/s | CopyFileA %7.1f MB/s | ratio %4.2f | "
                    "beyond CopyFileA %+.1f ms | CopyFileA+flush %7.1f MB/s, ratio %4.2f | "
                    "without picture %7.1f MB/s, ratio %4.2f | repaints %3ld | messages %5ld | "
                    "peak WS before %lu KB, during %lu KB\n",
                    (unsigned long)mebibytes, mebibytes * 1.048576 / install,
                    mebibytes * 1.048576 / copyFile, copyFile / install,
                    (install - copyFile) * 1000.0, mebibytes * 1.048576 / flushed,
                    flushed / install, mebibytes * 1.048576 / unpainted, copyFile / unpainted,
                    repaints, messages, (unsigned long)(peakBefore / 1024),
                    (unsigned long)(peakInstall / 1024));
        std::fflush(stdout);
    }
    RemoveDirectoryA(folder.c_str());
    DestroyWindow(quiet);
    DestroyWindow(window);
    FreeLibrary(launcher);
    return 0;
}
