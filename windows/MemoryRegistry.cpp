#include "MemoryRegistry.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

namespace {

std::string folded(const std::string& text)
{
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return result;
}

} // namespace

MemoryRegistry::KeyId MemoryRegistry::keyId(std::uint32_t root, const std::string& path)
{
    return {root, folded(path)};
}

long MemoryRegistry::openKey(std::uint32_t root, const std::string& path, std::uint32_t,
                             std::uint32_t, Key& key)
{
    const KeyId id = keyId(root, path);
    // An empty path opens the root itself, which always exists.
    if (!id.second.empty() && m_keys.count(id) == 0) {
        return FileNotFound;
    }
    key = m_nextHandle++;
    m_handles.emplace(key, id);
    return SystemAccess::Success;
}

long MemoryRegistry::queryValue(Key key, const std::string& name, std::uint32_t& type,
                                unsigned char* data, std::uint32_t& size)
{
    const auto handle = m_handles.find(key);
    if (handle == m_handles.end()) {
        return InvalidHandle;
    }
    const auto value = m_values.find({handle->second, folded(name)});
    if (value == m_values.end()) {
        return FileNotFound;
    }
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    type = value->second.type;
    if (data != nullptr) {
        if (needed > size) {
            size = needed;
            return MoreData;
        }
        if (needed > 0) {
            std::memcpy(data, value->second.data.data(), needed);
        }
    }
    size = needed;
    return SystemAccess::Success;
}

void MemoryRegistry::closeKey(Key key)
{
    m_handles.erase(key);
}

void MemoryRegistry::createKey(std::uint32_t root, const std::string& path)
{
    // Every key above the new one exists as well.
    for (std::size_t end = path.find('\\'); end != std::string::npos;
         end = path.find('\\', end + 1)) {
        m_keys.insert(keyId(root, path.substr(0, end)));
    }
    m_keys.insert(keyId(root, path));
}

void MemoryRegistry::setValue(std::uint32_t root, const std::string& path, const std::string& name,
                              std::uint32_t type, Bytes data)
{
    createKey(root, path);
    m_values[{keyId(root, path), folded(name)}] = Value{type, std::move(data)};
}

void MemoryRegistry::setText(std::uint32_t root, const std::string& path, const std::string& name,
                             const std::string& text, bool countTerminator)
{
    Bytes data(text.begin(), text.end());
    if (countTerminator) {
        data.push_back(0);
    }
    setValue(root, path, name, SystemAccess::REG_SZ_TYPE, std::move(data));
}

void MemoryRegistry::setDword(std::uint32_t root, const std::string& path, const std::string& name,
                              std::uint32_t number)
{
    Bytes data;
    for (int i = 0; i < 4; ++i) {
        data.push_back(static_cast<unsigned char>(number >> (8 * i)));
    }
    setValue(root, path, name, SystemAccess::REG_DWORD_TYPE, std::move(data));
}

void MemoryRegistry::removeValue(std::uint32_t root, const std::string& path,
                                 const std::string& name)
{
    m_values.erase({keyId(root, path), folded(name)});
}
