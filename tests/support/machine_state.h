// Preparing and inspecting what the programs leave on the machine: INI file, registry, files.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#define TITLE_KEY "Software\\Tarnwell\\Brindlemoor"
#define UNINSTALL_KEY "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Brindlemoor"

std::string WindowsDirectory();
std::string IniPath(); // the Windows directory's BRINDMOR.INI

// Removes everything an install or a test may have left: BRINDMOR.INI, C:\TWL, the title key,
// the uninstall key, stray launchers and players.
void ResetTitleState();

// Registry under HKEY_LOCAL_MACHINE (the 32-bit view, as the programs see it).
bool SetRegistryValue(const char *key, const char *name, DWORD type, const void *data, DWORD size);
bool SetRegistryString(const char *key, const char *name, const std::string &value);
bool ReadRegistryString(const char *key, const char *name, std::string *value, DWORD *type = NULL);
bool RegistryKeyExists(const char *key);
void DeleteRegistryTree(const char *key);
// Number of values in a key (-1 when the key is missing).
int RegistryValueCount(const char *key);
// Every value of a key as "name type hex-bytes", sorted by name (empty when the key is missing).
std::vector<std::string> RegistryValues(const char *key);
std::string RegistryValueText(const std::string &name, DWORD type, const void *data, DWORD size);

bool FileExists(const std::string &path);
bool FolderExists(const std::string &path);
std::string ReadWholeFile(const std::string &path);
bool WriteWholeFile(const std::string &path, const std::string &bytes);
void DeleteTree(const std::string &path);
// Ends every process whose top-level window has this class (clean-up between tests).
void CloseWindowsOfClass(const char *className);
