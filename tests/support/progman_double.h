// The Program Manager double (PMDOUBLE.EXE) from a test: start it, fill it, read what it was sent.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

// Group the double holds from its start: only the double's group list names it.
#define DOUBLE_MARKER_GROUP "Double Marker"

struct ProgmanDouble {
    Process process;
    std::string logPath; // Windows path of its log
};

// Starts the double (extra arguments such as "/mute") with a fresh log; waits for its window.
bool StartProgmanDouble(ProgmanDouble *double_, const std::string &arguments = "");
void StopProgmanDouble(ProgmanDouble *double_);

// A DDE client conversation from the test process: request an item or send commands.
bool ProgmanRequestText(const char *item, std::string *reply);
bool ProgmanSendCommands(const std::string &commands);

// Everything the double logged: execute texts as sent, requests as "REQUEST item", and with
// "/clients" each conversation's client process as "CLIENT pid".
std::vector<std::string> DoubleLog(const ProgmanDouble &double_);
// Only the execute texts, from line `from` on.
std::vector<std::string> DoubleCommands(const ProgmanDouble &double_, size_t from = 0);
