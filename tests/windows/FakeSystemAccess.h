#pragma once

#include "MemoryRegistry.h"
#include "SystemAccess.h"

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

// SystemAccess for tests: an in-memory registry, a table of files that exist and a
// recorder of launches. Counts opens and closes and keeps what the last open asked for.
class FakeSystemAccess : public SystemAccess {
public:
    MemoryRegistry registry;

    // Paths findFile answers with (compared without regard to case).
    std::set<std::string> files;
    // Every path findFile was asked about and every path launched, in order.
    std::vector<std::string> lookedUp;
    std::vector<std::string> launched;
    // When set, launch records the path and then throws LaunchError.
    bool failLaunch = false;

    // When set, a successful query reports this size instead of the real one.
    std::optional<std::uint32_t> reportedSize;
    // When set, openKey or queryValue throws.
    bool throwOnOpen = false;
    bool throwOnQuery = false;

    int opens = 0;
    int closes = 0;
    std::uint32_t lastOptions = 0;
    std::uint32_t lastAccess = 0;

    long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, Key& key) override;
    long queryValue(Key key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override;
    void closeKey(Key key) override;
    std::string findFile(const std::string& path) override;
    void launch(const std::string& path) override;
};
