#include "WindowsSystemAccess.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <cstddef>
#include <string>
#include <vector>
#include <windows.h>

namespace {

// The predefined roots are negative 32-bit numbers widened to a handle.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(
        static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

HKEY keyHandle(SystemAccess::Key key)
{
    return reinterpret_cast<HKEY>(key);
}

bool isOrdinaryFile(const WIN32_FIND_DATAA& found)
{
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & excluded) == 0;
}

} // namespace

long WindowsSystemAccess::openKey(std::uint32_t root, const std::string& path,
                                  std::uint32_t options, std::uint32_t access, Key& key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExA(rootHandle(root), path.c_str(), options, access, &opened);
    if (result == ERROR_SUCCESS) {
        key = reinterpret_cast<Key>(opened);
    }
    return result;
}

long WindowsSystemAccess::queryValue(Key key, const std::string& name, std::uint32_t& type,
                                     unsigned char* data, std::uint32_t& size)
{
    DWORD foundType = 0;
    DWORD foundSize = size;
    const LONG result =
        RegQueryValueExA(keyHandle(key), name.c_str(), nullptr, &foundType, data, &foundSize);
    type = foundType;
    size = foundSize;
    return result;
}

void WindowsSystemAccess::closeKey(Key key)
{
    RegCloseKey(keyHandle(key));
}

std::string WindowsSystemAccess::findFile(const std::string& path)
{
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string result;
    do {
        if (isOrdinaryFile(found)) {
            if (path.find_first_of("*?") == std::string::npos) {
                result = path;
            } else {
                const std::size_t folderEnd = path.find_last_of("\\/:");
                const std::string folder =
                    folderEnd == std::string::npos ? std::string() : path.substr(0, folderEnd + 1);
                result = folder + found.cFileName;
            }
            break;
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return result;
}

void WindowsSystemAccess::launch(const std::string& path)
{
    // CreateProcess may write to the command line, so it gets a copy of its own.
    const std::string quoted = '"' + path + '"';
    std::vector<char> commandLine(quoted.begin(), quoted.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process)) {
        throw LaunchError("Cannot start " + path + " (error " + std::to_string(GetLastError()) +
                          ")");
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

SystemAccess& SystemAccess::platform()
{
    static WindowsSystemAccess access;
    return access;
}
