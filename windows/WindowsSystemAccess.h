#pragma once

#include "SystemAccess.h"

// The real thing on Windows: the registry through advapi32, files through FindFirstFile
// and programs started with CreateProcess.
class WindowsSystemAccess : public SystemAccess {
public:
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, Key& key) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    void closeKey(Key key) override;
    // `path` may hold wildcards in its last part; the answer is the folder of `path`
    // followed by the name found, or `path` itself when it has no wildcards.
    std::string findFile(const std::string& path) override;
    // Started by its path alone, quoted on the command line, so spaces in it are fine.
    void launch(const std::string& path) override;
};
