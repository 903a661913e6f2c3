// The Program Manager double (PMDOUBLE.EXE) from a test: start it, fill it, read what it was sent.
#include "progman_double.h"

#include <ddeml.h>

#include <cstdlib>

#include "machine_state.h"

namespace {

HDDEDATA CALLBACK IgnoreAll(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) {
    return NULL;
}

struct Client {
    DWORD instance = 0;
    HSZ progman = NULL;
    HCONV conversation = NULL;
    Client() {
        if (DdeInitializeA(&instance, IgnoreAll, APPCMD_CLIENTONLY, 0) != DMLERR_NO_ERROR) {
            instance = 0;
            return;
        }
        progman = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
        conversation = DdeConnect(instance, progman, progman, NULL);
    }
    ~Client() {
        if (conversation != NULL)
            DdeDisconnect(conversation);
        if (instance != 0) {
            if (progman != NULL)
                DdeFreeStringHandle(instance, progman);
            DdeUninitialize(instance);
        }
    }
};

HWND DoubleWindow(DWORD processId) {
    HWND window = NULL;
    while ((window = FindWindowExA(NULL, window, "PMDoubleServer", NULL)) != NULL) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == processId)
            return window;
    }
    return NULL;
}

} // namespace

bool StartProgmanDouble(ProgmanDouble *double_, const std::string &arguments) {
    const char *build = std::getenv("BRINDLE_BUILD");
    std::string program =
        WindowsPathOf(std::string(build != NULL ? build : "/build") + "/PMDOUBLE.EXE");
    double_->logPath = WindowsDirectory() + "\\pmdouble.log";
    DeleteFileA(double_->logPath.c_str());
    double_->process =
        StartProcess("\"" + program + "\" /log \"" + double_->logPath + "\" " + arguments);
    if (double_->process.handle == NULL)
        return false;
    for (int i = 0; i < 100; ++i) {
        if (DoubleWindow(double_->process.id) != NULL)
            return true;
        Sleep(50);
    }
    return false;
}

void StopProgmanDouble(ProgmanDouble *double_) {
    EndProcess(double_->process);
}

bool ProgmanRequestText(const char *item, std::string *reply) {
    Client client;
    if (client.conversation == NULL)
        return false;
    HSZ name = DdeCreateStringHandleA(client.instance, item, CP_WINANSI);
    HDDEDATA data =
        DdeClientTransaction(NULL, 0, client.conversation, name, CF_TEXT, XTYP_REQUEST, 2000, NULL);
    DdeFreeStringHandle(client.instance, name);
    if (data == NULL)
        return false;
    DWORD size = 0;
    const char *text = reinterpret_cast<const char *>(DdeAccessData(data, &size));
    reply->assign(text != NULL ? text : "", text != NULL ? strnlen(text, size) : 0);
    DdeUnaccessData(data);
    DdeFreeDataHandle(data);
    return true;
}

bool ProgmanSendCommands(const std::string &commands) {
    Client client;
    if (client.conversation == NULL)
        return false;
    return DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char *>(commands.c_str())),
                                DWORD(commands.size() + 1), client.conversation, NULL, CF_TEXT,
                                XTYP_EXECUTE, 2000, NULL) != NULL;
}

std::vector<std::string> DoubleLog(const ProgmanDouble &double_) {
    std::vector<std::string> lines;
    std::string text = ReadWholeFile(double_.logPath);
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find("\r\n", at);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

std::vector<std::string> DoubleCommands(const ProgmanDouble &double_, size_t from) {
    std::vector<std::string> commands;
    std::vector<std::string> lines = DoubleLog(double_);
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].compare(0, 8, "REQUEST ") != 0 && lines[i].compare(0, 7, "CLIENT ") != 0)
            commands.push_back(lines[i]);
    return commands;
}
