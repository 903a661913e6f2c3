// Times what a person waits for: the launcher from start to its first painted window (beside a
// minimal dialog program started the same way), and the uninstaller from start to its question and
// from Yes to the folder gone.
//   SESSION_TIMING.EXE launch LAUNCHER MINIMAL RUNS     prints "launcher_ms minimal_ms ratio": the
//                                                       medians, and the median of each run's ratio
//   SESSION_TIMING.EXE uninstall UNINSTALLER RUNS       prints "question_ms uninstall_ms" medians
#include <windows.h>

#include "bench/bench_support.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
double Median(std::vector<double> v) {
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// From CreateProcess until the program's window is visible and it has gone idle (first paint done).
double TimeToWindow(const std::string &command, const char *folder, const char *className) {
    double start = NowMs();
    Process p = StartProcess(command, folder); // waits for input idle
    HWND window = WaitForTopWindow(className, NULL, p.id, 20000);
    if (window != NULL)
        UpdateWindow(window);
    double took = window != NULL ? NowMs() - start : -1;
    if (window != NULL)
        PostMessageA(window, WM_CLOSE, 0, 0);
    if (!WaitForExit(p, 5000))
        EndProcess(p);
    EndProcess(p);
    return took;
}

void InstallForRemoval(const std::string &uninstaller) {
    ResetTitleState();
    CreateDirectoryA("C:\\TWL", NULL);
    CreateDirectoryA("C:\\TWL\\BRINDMOR", NULL);
    WriteWholeFile("C:\\TWL\\BRINDMOR\\BRINDMOR.QKT", std::string(1 << 20, 'x'));
    CopyFileA(uninstaller.c_str(), "C:\\TWL\\BRINDMOR\\brindd95.exe", FALSE);
    WritePrivateProfileStringA("Brindlemoor", "Install", "C:\\TWL\\BRINDMOR\\BRINDMOR.QKT",
                               "BRINDMOR.INI");
    SetRegistryString(UNINSTALL_KEY, "DisplayName", "Brindlemoor");
    SetRegistryString(UNINSTALL_KEY, "UninstallString", "C:\\TWL\\BRINDMOR\\brindd95.exe");
}

struct UninstallTimes {
    double question = -1; // from the start until the question is painted
    double removal = -1;  // from pressing Yes until the install folder is gone (batch included)
};

UninstallTimes TimeUninstall(const std::string &uninstaller) {
    UninstallTimes times;
    InstallForRemoval(uninstaller);
    double started = NowMs();
    Process p = StartProcess("C:\\TWL\\BRINDMOR\\brindd95.exe", "C:\\");
    HWND confirm = WaitForTopWindow("#32770", "Brindlemoor", p.id, 20000);
    if (confirm == NULL) {
        EndProcess(p);
        return times;
    }
    UpdateWindow(confirm);
    times.question = NowMs() - started;
    double start = NowMs();
    ClickButton(confirm, 1002);
    while (FolderExists("C:\\TWL\\BRINDMOR")) {
        if (NowMs() - start > 30000) {
            EndProcess(p);
            return times;
        }
        Sleep(5);
    }
    times.removal = NowMs() - start;
    WaitForExit(p, 5000);
    EndProcess(p);
    return times;
}
} // namespace

int main(int argc, char **argv) {
    if (argc >= 5 && std::string(argv[1]) == "launch") {
        int runs = std::atoi(argv[4]);
        std::vector<double> launcher, minimal, ratios;
        for (int i = 0; i < runs; ++i) {
            ResetTitleState();
            launcher.push_back(TimeToWindow(argv[2], "E:\\", "TWL_AUTORUN"));
            minimal.push_back(TimeToWindow(argv[3], "E:\\", "#32770"));
            // Each pair is started back to back: its ratio is little moved by the machine's load.
            if (launcher.back() > 0 && minimal.back() > 0)
                ratios.push_back(launcher.back() / minimal.back());
        }
        std::printf("%.1f %.1f %.2f\n", Median(launcher), Median(minimal), Median(ratios));
        return 0;
    }
    if (argc >= 4 && std::string(argv[1]) == "uninstall") {
        int runs = std::atoi(argv[3]);
        std::vector<double> question, removal;
        for (int i = 0; i < runs; ++i) {
            const UninstallTimes times = TimeUninstall(argv[2]);
            question.push_back(times.question);
            removal.push_back(times.removal);
        }
        ResetTitleState();
        std::printf("%.1f %.1f\n", Median(question), Median(removal));
        return 0;
    }
    std::fprintf(stderr, "usage: launch LAUNCHER MINIMAL RUNS | uninstall UNINSTALLER RUNS\n");
    return 2;
}
