// A Program Manager double for tests: a raw DDE server for "PROGMAN" holding groups and items,
// answering the group-list and group-contents requests, carrying out commands and logging them.
//   PMDOUBLE.EXE [/log FILE] [/marker GROUP] [/mute] [/latecomer ITEM] [/clients]
// /log names the log file (default C:\progman.log): one line per execute, the command text as
// received, and one "REQUEST item" line per request. /marker names a group that exists from the
// start (default "Double Marker"), so a test can tell this server's replies from another's.
// /mute acknowledges the initiate but never answers a request or an execute. /latecomer adds ITEM
// to the active group when the first DeleteItem arrives, as a user adding an item meanwhile would.
// /clients logs "CLIENT pid" for each conversation opened, naming the client's process.
//
// Raw window messages rather than the DDE management library: Wine's library server posts an
// extra positive acknowledgement after each data reply, which a client takes as the answer to its
// next transaction.
#include <windows.h>

#include <dde.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Item {
    std::string name;
    std::string command;
};
struct Group {
    std::string name;
    std::vector<Item> items;
};

struct DoubleState {
    std::vector<Group> groups;
    int active = -1;
    std::string logPath = "C:\\progman.log";
    bool mute = false;
    bool clients = false;
    std::string latecomer;
};
DoubleState state;

const char kServerClass[] = "PMDoubleServer";
const char kConversationClass[] = "PMDoubleConversation";

void Log(const std::string &line) {
    HANDLE file = CreateFileA(state.logPath.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return;
    std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, NULL);
    CloseHandle(file);
}

int FindGroup(const std::string &name) {
    for (size_t i = 0; i < state.groups.size(); ++i)
        if (lstrcmpiA(state.groups[i].name.c_str(), name.c_str()) == 0)
            return int(i);
    return -1;
}

std::string Trim(const std::string &text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    size_t last = text.find_last_not_of(" \t");
    std::string trimmed = text.substr(first, last - first + 1);
    if (trimmed.size() >= 2 && trimmed.front() == '"' && trimmed.back() == '"')
        trimmed = trimmed.substr(1, trimmed.size() - 2);
    return trimmed;
}

// Arguments split at commas outside double quotes.
std::vector<std::string> SplitArguments(const std::string &text) {
    std::vector<std::string> arguments;
    std::string current;
    bool quoted = false;
    for (char c : text) {
        if (c == '"')
            quoted = !quoted;
        if (c == ',' && !quoted) {
            arguments.push_back(Trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    arguments.push_back(Trim(current));
    return arguments;
}

std::string Argument(const std::vector<std::string> &arguments, size_t i) {
    return i < arguments.size() ? arguments[i] : std::string();
}

bool CarryOut(const std::string &name, const std::vector<std::string> &arguments) {
    std::string first = Argument(arguments, 0);
    if (lstrcmpiA(name.c_str(), "CreateGroup") == 0) {
        int group = FindGroup(first);
        if (group < 0 && !first.empty()) {
            state.groups.push_back(Group{first, {}});
            group = int(state.groups.size()) - 1;
        }
        state.active = group;
        return group >= 0;
    }
    if (lstrcmpiA(name.c_str(), "ShowGroup") == 0) {
        int group = FindGroup(first);
        if (group < 0)
            return false;
        state.active = group;
        return true;
    }
    if (lstrcmpiA(name.c_str(), "AddItem") == 0) {
        if (state.active < 0 || first.empty())
            return false;
        std::string itemName = Argument(arguments, 1);
        if (itemName.empty())
            itemName = first;
        state.groups[size_t(state.active)].items.push_back(Item{itemName, first});
        return true;
    }
    if (lstrcmpiA(name.c_str(), "DeleteItem") == 0) {
        if (state.active < 0)
            return false;
        if (!state.latecomer.empty()) {
            state.groups[size_t(state.active)].items.push_back(Item{state.latecomer, "notes.txt"});
            state.latecomer.clear();
        }
        std::vector<Item> &items = state.groups[size_t(state.active)].items;
        for (size_t i = 0; i < items.size(); ++i)
            if (lstrcmpiA(items[i].name.c_str(), first.c_str()) == 0) {
                items.erase(items.begin() + long(i));
                return true;
            }
        return false;
    }
    if (lstrcmpiA(name.c_str(), "DeleteGroup") == 0) {
        int group = FindGroup(first);
        if (group < 0)
            return false;
        state.groups.erase(state.groups.begin() + group);
        state.active = -1;
        return true;
    }
    return false;
}

// "[Name(args)][Name(args)]...": every command must succeed.
bool Execute(const std::string &text) {
    size_t at = 0;
    bool any = false;
    while ((at = text.find('[', at)) != std::string::npos) {
        size_t open = text.find('(', at);
        size_t close = text.find(")]", at);
        if (open == std::string::npos || close == std::string::npos || open > close)
            return false;
        std::string name = Trim(text.substr(at + 1, open - at - 1));
        if (!CarryOut(name, SplitArguments(text.substr(open + 1, close - open - 1))))
            return false;
        any = true;
        at = close + 2;
    }
    return any;
}

std::string GroupList() {
    std::string reply;
    for (const Group &group : state.groups)
        reply += group.name + "\r\n";
    return reply;
}

std::string GroupContents(const Group &group) {
    char windows[MAX_PATH] = "C:\\windows";
    GetWindowsDirectoryA(windows, sizeof windows);
    std::string reply = "\"" + group.name + "\"," + windows + "\\" + group.name + ".GRP," +
                        std::to_string(group.items.size()) + ",1,0\r\n";
    for (const Item &item : group.items)
        reply +=
            "\"" + item.name + "\",\"" + item.command + "\",," + item.command + ",0,0,0,0,0\r\n";
    return reply;
}

bool AtomIs(ATOM atom, const char *name) {
    if (atom == 0)
        return true; // a wildcard in an initiate
    char text[256] = "";
    GlobalGetAtomNameA(atom, text, sizeof text);
    return lstrcmpiA(text, name) == 0;
}

void PostData(HWND conversation, HWND client, const std::string &text, ATOM item) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, sizeof(DDEDATA) + text.size() + 1);
    DDEDATA *data = memory != NULL ? static_cast<DDEDATA *>(GlobalLock(memory)) : NULL;
    if (data == NULL) {
        if (memory != NULL)
            GlobalFree(memory);
        return;
    }
    data->fResponse = 1;
    data->fRelease = 1; // the client frees it
    data->fAckReq = 0;
    data->cfFormat = CF_TEXT;
    CopyMemory(data->Value, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    LPARAM packed = PackDDElParam(WM_DDE_DATA, UINT_PTR(memory), item);
    if (!PostMessageA(client, WM_DDE_DATA, WPARAM(conversation), packed)) {
        FreeDDElParam(WM_DDE_DATA, packed);
        GlobalFree(memory);
    }
}

void OnRequest(HWND conversation, HWND client, LPARAM lParam) {
    UINT format = LOWORD(lParam);
    ATOM item = HIWORD(lParam);
    char name[256] = "";
    GlobalGetAtomNameA(item, name, sizeof name);
    Log(std::string("REQUEST ") + name);
    if (state.mute)
        return;
    int group = FindGroup(name);
    if (format == CF_TEXT && lstrcmpiA(name, "PROGMAN") == 0)
        PostData(conversation, client, GroupList(), item);
    else if (format == CF_TEXT && group >= 0)
        PostData(conversation, client, GroupContents(state.groups[size_t(group)]), item);
    else
        PostMessageA(client, WM_DDE_ACK, WPARAM(conversation), PackDDElParam(WM_DDE_ACK, 0, item));
}

std::string CommandText(HGLOBAL commands) {
    std::string text;
    const char *bytes = static_cast<const char *>(GlobalLock(commands));
    if (bytes == NULL)
        return text;
    SIZE_T size = GlobalSize(commands);
    if (size >= 2 && bytes[0] != '\0' && bytes[1] == '\0') { // a wide client's text
        const WCHAR *wide = reinterpret_cast<const WCHAR *>(bytes);
        for (SIZE_T i = 0; i < size / 2 && wide[i] != 0; ++i)
            text += char(wide[i] < 128 ? wide[i] : '?');
    } else {
        for (SIZE_T i = 0; i < size && bytes[i] != '\0'; ++i)
            text += bytes[i];
    }
    GlobalUnlock(commands);
    return text;
}

void OnExecute(HWND conversation, HWND client, LPARAM lParam) {
    UINT_PTR low = 0, high = 0;
    UnpackDDElParam(WM_DDE_EXECUTE, lParam, &low, &high);
    HGLOBAL commands = reinterpret_cast<HGLOBAL>(high);
    std::string text = CommandText(commands);
    Log(text);
    if (state.mute)
        return;
    WORD status = Execute(text) ? 0x8000 : 0; // fAck
    PostMessageA(client, WM_DDE_ACK, WPARAM(conversation),
                 ReuseDDElParam(lParam, WM_DDE_EXECUTE, WM_DDE_ACK, status, high));
}

LRESULT CALLBACK ConversationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HWND client = reinterpret_cast<HWND>(wParam);
    switch (message) {
    case WM_DDE_REQUEST:
        OnRequest(window, client, lParam);
        return 0;
    case WM_DDE_EXECUTE:
        OnExecute(window, client, lParam);
        return 0;
    case WM_DDE_ACK: // to data we sent: nothing to do but free the pair
        FreeDDElParam(WM_DDE_ACK, lParam);
        return 0;
    case WM_DDE_TERMINATE:
        PostMessageA(client, WM_DDE_TERMINATE, WPARAM(window), 0);
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// One hidden window per conversation; only the server window answers initiates.
void OnInitiate(HWND client, LPARAM lParam) {
    if (!AtomIs(LOWORD(lParam), "PROGMAN") || !AtomIs(HIWORD(lParam), "PROGMAN"))
        return;
    HWND conversation = CreateWindowExA(0, kConversationClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        NULL, GetModuleHandleA(NULL), NULL);
    if (conversation == NULL)
        return;
    ATOM application = GlobalAddAtomA("PROGMAN");
    ATOM topic = GlobalAddAtomA("PROGMAN");
    SendMessageA(client, WM_DDE_ACK, WPARAM(conversation), MAKELPARAM(application, topic));
    if (state.clients) {
        DWORD process = 0;
        GetWindowThreadProcessId(client, &process);
        Log("CLIENT " + std::to_string(process));
    }
}

LRESULT CALLBACK ServerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DDE_INITIATE:
        OnInitiate(reinterpret_cast<HWND>(wParam), lParam);
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Splits the command line at blanks outside double quotes.
std::vector<std::string> CommandWords(const char *line) {
    std::vector<std::string> words;
    std::string current;
    bool quoted = false, any = false;
    for (; *line != '\0'; ++line) {
        if (*line == '"') {
            quoted = !quoted;
            any = true;
        } else if (*line == ' ' && !quoted) {
            if (any)
                words.push_back(current);
            current.clear();
            any = false;
        } else {
            current += *line;
            any = true;
        }
    }
    if (any)
        words.push_back(current);
    return words;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    std::string marker = "Double Marker";
    std::vector<std::string> words = CommandWords(commandTail);
    for (size_t i = 0; i < words.size(); ++i) {
        if (words[i] == "/log" && i + 1 < words.size())
            state.logPath = words[++i];
        else if (words[i] == "/marker" && i + 1 < words.size())
            marker = words[++i];
        else if (words[i] == "/latecomer" && i + 1 < words.size())
            state.latecomer = words[++i];
        else if (words[i] == "/mute")
            state.mute = true;
        else if (words[i] == "/clients")
            state.clients = true;
    }
    state.groups.push_back(Group{marker, {}});

    WNDCLASSA server = {};
    server.lpfnWndProc = ServerProc;
    server.hInstance = instance;
    server.lpszClassName = kServerClass;
    WNDCLASSA conversation = {};
    conversation.lpfnWndProc = ConversationProc;
    conversation.hInstance = instance;
    conversation.lpszClassName = kConversationClass;
    if (!RegisterClassA(&server) || !RegisterClassA(&conversation))
        return 1;
    // Top-level (broadcast initiates reach only those) and never shown.
    HWND window = CreateWindowExA(0, kServerClass, "PROGMAN double", WS_POPUP, 0, 0, 0, 0, NULL,
                                  NULL, instance, NULL);
    if (window == NULL)
        return 1;
    MSG message;
    while (GetMessageA(&message, NULL, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
