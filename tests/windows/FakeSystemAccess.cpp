#include "FakeSystemAccess.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::tolower(x) == std::tolower(y);
    });
}

} // namespace

long FakeSystemAccess::openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                               std::uint32_t access, Key& key)
{
    if (throwOnOpen) {
        throw std::runtime_error("registry unavailable");
    }
    lastOptions = options;
    lastAccess = access;
    const long result = registry.openKey(root, path, options, access, key);
    if (result == Success) {
        ++opens;
    }
    return result;
}

long FakeSystemAccess::queryValue(Key key, const std::string& name, std::uint32_t& type,
                                  unsigned char* data, std::uint32_t& size)
{
    if (throwOnQuery) {
        throw std::runtime_error("registry unavailable");
    }
    const long result = registry.queryValue(key, name, type, data, size);
    if (result == Success && reportedSize) {
        size = *reportedSize;
    }
    return result;
}

void FakeSystemAccess::closeKey(Key key)
{
    ++closes;
    registry.closeKey(key);
}

std::string FakeSystemAccess::findFile(const std::string& path)
{
    lookedUp.push_back(path);
    for (const std::string& file : files) {
        if (sameIgnoringCase(file, path)) {
            return file;
        }
    }
    return {};
}

void FakeSystemAccess::launch(const std::string& path)
{
    launched.push_back(path);
    if (failLaunch) {
        throw LaunchError("Cannot start " + path);
    }
}
