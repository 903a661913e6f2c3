// Preparing and inspecting what the programs leave on the machine: INI file, registry, files.
#include "machine_state.h"

#include <algorithm>
#include <vector>

std::string WindowsDirectory() {
    char dir[MAX_PATH] = "";
    GetWindowsDirectoryA(dir, sizeof dir);
    return dir;
}

std::string IniPath() {
    return WindowsDirectory() + "\\BRINDMOR.INI";
}

bool FileExists(const std::string &path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool FolderExists(const std::string &path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::string ReadWholeFile(const std::string &path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                              OPEN_EXISTING, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, NULL) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool WriteWholeFile(const std::string &path, const std::string &bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, NULL, CREATE_ALWAYS, 0, NULL);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, NULL);
    CloseHandle(file);
    return ok && written == bytes.size();
}

void DeleteTree(const std::string &path) {
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), a & ~DWORD(FILE_ATTRIBUTE_READONLY));
    if ((a & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name != "." && name != "..")
                DeleteTree(path + "\\" + name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

bool SetRegistryValue(const char *key, const char *name, DWORD type, const void *data, DWORD size) {
    HKEY handle;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &handle, NULL) !=
        ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(handle, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(handle);
    return result == ERROR_SUCCESS;
}

bool SetRegistryString(const char *key, const char *name, const std::string &value) {
    return SetRegistryValue(key, name, REG_SZ, value.c_str(), DWORD(value.size() + 1));
}

bool ReadRegistryString(const char *key, const char *name, std::string *value, DWORD *type) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    std::vector<char> data(4096, '\0');
    DWORD size = DWORD(data.size() - 1), kind = 0;
    LONG result =
        RegQueryValueExA(handle, name, NULL, &kind, reinterpret_cast<BYTE *>(data.data()), &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return false;
    if (type != NULL)
        *type = kind;
    value->assign(data.data(), size);
    if (!value->empty() && value->back() == '\0')
        value->pop_back();
    return true;
}

bool RegistryKeyExists(const char *key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

int RegistryValueCount(const char *key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return -1;
    DWORD values = 0;
    RegQueryInfoKeyA(handle, NULL, NULL, NULL, NULL, NULL, NULL, &values, NULL, NULL, NULL, NULL);
    RegCloseKey(handle);
    return int(values);
}

std::string RegistryValueText(const std::string &name, DWORD type, const void *data, DWORD size) {
    std::string value = name + " " + std::to_string(type) + " ";
    for (DWORD i = 0; i < size; ++i) {
        static const char kHex[] = "0123456789abcdef";
        const unsigned char byte = static_cast<const unsigned char *>(data)[i];
        value += kHex[byte >> 4];
        value += kHex[byte & 15];
    }
    return value;
}

std::vector<std::string> RegistryValues(const char *key) {
    std::vector<std::string> values;
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return values;
    for (DWORD index = 0;; ++index) {
        char name[256];
        BYTE data[4096];
        DWORD nameLength = sizeof name, type = 0, size = sizeof data;
        if (RegEnumValueA(handle, index, name, &nameLength, NULL, &type, data, &size) !=
            ERROR_SUCCESS)
            break;
        values.push_back(RegistryValueText(name, type, data, size));
    }
    RegCloseKey(handle);
    std::sort(values.begin(), values.end());
    return values;
}

void DeleteRegistryTree(const char *key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, KEY_ALL_ACCESS, &handle) == ERROR_SUCCESS) {
        char child[256];
        for (;;) {
            DWORD size = sizeof child;
            if (RegEnumKeyExA(handle, 0, child, &size, NULL, NULL, NULL, NULL) != ERROR_SUCCESS)
                break;
            DeleteRegistryTree((std::string(key) + "\\" + child).c_str());
        }
        RegCloseKey(handle);
    }
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
}

void CloseWindowsOfClass(const char *className) {
    for (int i = 0; i < 20; ++i) {
        HWND window = FindWindowA(className, NULL);
        if (window == NULL)
            return;
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (process == NULL)
            return;
        TerminateProcess(process, 99);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

void ResetTitleState() {
    CloseWindowsOfClass("TWL_AUTORUN");
    CloseWindowsOfClass("TWL_ORB");
    DeleteFileA(IniPath().c_str());
    DeleteTree("C:\\TWL");
    DeleteRegistryTree("Software\\Tarnwell");
    DeleteRegistryTree(UNINSTALL_KEY);
}
