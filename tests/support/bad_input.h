// What the bad-input tests share: swapping the disc's data file, paths of an exact length, and
// driving Setup from the launcher's main window.
#pragma once
#include <windows.h>

#include <string>

#include "tests/support/driver.h"

namespace bad_input {
const DWORD kWait = 15000;
const char kInstallFailed[] = "Setup could not install the title. Check the disc and the install "
                              "folder.";

// Runs a Unix command line (Wine starts ELF programs, with no handle to wait on), then waits up
// to 5 s for `done` to hold.
bool RunUnix(const std::string &commandLine, bool (*done)(const std::string &),
             const std::string &arg);

// Moves E:'s data\install.qkt aside for one test and puts it back, whatever replaced it.
class DiscDataSwap {
  public:
    DiscDataSwap();
    ~DiscDataSwap();
    bool moved() const { return moved_; }
    const std::string &path() const { return path_; }
    DiscDataSwap(const DiscDataSwap &) = delete;
    DiscDataSwap &operator=(const DiscDataSwap &) = delete;

  private:
    std::string path_, kept_;
    bool moved_;
};

// A sparse file of `bytes` at a Windows path; false when it could not be made.
bool MakeSparseFile(const std::string &path, unsigned long long bytes);

// Makes folders under C:\TWL and a file `name` in the deepest of them whose full path has exactly
// `length` characters; returns the path ("" on failure).
std::string FileAtPathLength(size_t length, const std::string &name);

// Presses the main window's Setup and returns the Setup dialog (NULL when it did not come).
HWND OpenSetupDialog(HWND mainDialog, DWORD processId);
// Presses the Setup dialog's Setup and waits for the status line to tell the outcome.
std::string RunSetupToEnd(HWND mainDialog, HWND setupDialog);

// The title's "Install" record in BRINDMOR.INI ("" when there is none).
std::string InstallRecord();
} // namespace bad_input
