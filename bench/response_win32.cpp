// Benchmark: how long the main window leaves a message unanswered during an install. The data
// file on the disc is made SIZE MiB of real bytes, the launcher is started from the disc and
// Setup pressed; then this process sends WM_NULL with SendMessageTimeout in a loop until the
// status line says the install ended, and keeps the worst round trip. Not a test: it prints
// "worst_ms install_s rounds" (worst -1 when the install did not end).
//   RESPONSE.EXE LAUNCHER DISC_FOLDER SIZE_MIB
#include <windows.h>

#include "bench/bench_support.h"
#include "launcher/resources/resource_ids.h"
#include "tests/support/driver.h"
#include "tests/support/machine_state.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
struct Round {
    double worst = -1, install = -1;
    long rounds = 0;
};

Round Measure(const std::string &launcher) {
    Round round;
    ResetTitleState();
    Process process = StartProcess("\"" + launcher + "\"", "E:\\");
    HWND main = WaitForTopWindow("TWL_AUTORUN", "Brindlemoor", process.id, 20000);
    HWND setup = NULL;
    if (main != NULL) {
        Settle(500);
        ClickButton(main, IDC_SETUP);
        setup = WaitForTopWindow("#32770", "Setup", process.id, 20000);
    }
    if (setup == NULL) {
        EndProcess(process);
        return round;
    }
    Settle(300);
    ClickButton(setup, IDC_SETUP_START);
    const double start = NowMs();
    double worst = 0;
    for (;;) {
        const double sent = NowMs();
        DWORD_PTR result = 0;
        if (!SendMessageTimeoutA(main, WM_NULL, 0, 0, SMTO_NORMAL, 600000, &result))
            break;
        const double took = NowMs() - sent;
        worst = took > worst ? took : worst;
        ++round.rounds;
        // Read without waiting: a window that does not answer is the case being measured.
        char status[256] = "";
        DWORD_PTR length = 0;
        SendMessageTimeoutA(GetDlgItem(main, IDC_STATUS), WM_GETTEXT, sizeof status,
                            reinterpret_cast<LPARAM>(status), SMTO_NORMAL, 600000, &length);
        const std::string text = status;
        if (text == "Ready to Play!" || text.find("could not") != std::string::npos) {
            round.install = (NowMs() - start) / 1000.0;
            round.worst = text == "Ready to Play!" ? worst : -1;
            break;
        }
        if (NowMs() - start > 600000)
            break;
        Sleep(1);
    }
    ClickButton(main, IDC_EXIT);
    if (!WaitForExit(process, 10000))
        EndProcess(process);
    EndProcess(process);
    ResetTitleState();
    return round;
}
} // namespace

int main(int argc, char **argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s LAUNCHER DISC_FOLDER SIZE_MIB\n", argv[0]);
        return 2;
    }
    const std::string data = std::string(argv[2]) + "\\data\\install.qkt", kept = data + ".kept";
    if (!MoveFileA(data.c_str(), kept.c_str()))
        return 1;
    const bool made = MakeRealBytes(data, DWORD(std::strtoul(argv[3], NULL, 10)));
    const Round round = made ? Measure(argv[1]) : Round{};
    DeleteFileA(data.c_str());
    MoveFileA(kept.c_str(), data.c_str());
    std::printf("%.1f %.2f %ld\n", round.worst, round.install, round.rounds);
    return made && round.worst >= 0 ? 0 : 1;
}
