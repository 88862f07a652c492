#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A launch that could not be started.
class LaunchError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What the About window asks of the platform: the registry, a file look-up and the
// launch of a program. Standard C++ only, so the Windows implementation builds on its own.
class SystemAccess {
public:
    using Key = std::uintptr_t; // 0: no key
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;
    static constexpr std::uint32_t KEY_READ_ACCESS = 0x20019u;
    static constexpr std::uint32_t REG_SZ_TYPE = 1;
    static constexpr std::uint32_t REG_DWORD_TYPE = 4;
    static constexpr long Success = 0;

    // Where Microsoft System Information records its path.
    static constexpr std::string_view SystemInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    static constexpr std::string_view SystemInfoValue = "PATH";

    virtual ~SystemAccess() = default;

    // The implementation the windows use: the platform's own unless another was put in
    // place with setCurrent(); setCurrent(nullptr) goes back to the platform's. Defined
    // with the windows (PlatformSystemAccess.cpp), not in the core.
    static SystemAccess& current();
    static void setCurrent(SystemAccess* access);
    // The platform's own: WindowsSystemAccess on Windows, LinuxSystemAccess elsewhere.
    static SystemAccess& platform();

    // The calls below answer as the Windows registry does: 0 on success, otherwise a
    // Windows error code (2: no such key or value, 6: bad handle, 234: data too long).

    // Opens `path` below `root`; 0 on success, with `key` set.
    virtual long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                         std::uint32_t access, Key& key) = 0;

    // Reads the value `name` of `key` into `data`. `size` is the buffer's size in bytes
    // on entry and the data's size on return. 0 on success; fails when the value is
    // missing or its data does not fit.
    virtual long queryValue(Key key, const std::string& name, std::uint32_t& type,
                            unsigned char* data, std::uint32_t& size) = 0;

    virtual void closeKey(Key key) = 0;

    // The first ordinary file (not hidden, system or a directory) matching `path`, or "".
    virtual std::string findFile(const std::string& path) = 0;

    // Starts the program at `path` in a normal, activated window and returns at once;
    // throws LaunchError when it cannot be started.
    virtual void launch(const std::string& path) = 0;
};
