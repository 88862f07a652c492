#pragma once

#include "MemoryRegistry.h"
#include "SystemAccess.h"

#include <string>
#include <string_view>

// SystemAccess where there is no registry. The registry calls see a small in-memory
// registry in which, from every key opening on, Microsoft's System Information entry
// (HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Shared Tools\MSINFO", value "PATH") names the
// first system information tool found on PATH, or is missing when there is none.
class LinuxSystemAccess : public SystemAccess {
public:
    // The tools looked for, in order of preference.
    static constexpr std::string_view SystemInfoTools[] = {"kinfocenter", "hardinfo2", "hardinfo",
                                                           "gnome-system-monitor"};

    // The full path of the first tool found on PATH, or "".
    static std::string findSystemInfoTool();

    long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, Key& key) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    void closeKey(Key key) override;
    // A plain path ("\" taken as "/"), no wildcards: the path itself when it names a regular
    // file whose name does not start with a dot, otherwise "".
    std::string findFile(const std::string& path) override;
    // Started directly, not through a shell, and left running on its own.
    void launch(const std::string& path) override;

private:
    void refresh();

    MemoryRegistry m_registry;
};
