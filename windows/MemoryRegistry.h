#pragma once

#include "SystemAccess.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A registry held in memory that answers like the Windows one: keys by root and path and
// values by name, both without regard to case; each value is a type and raw bytes.
// Setting a value creates its key and the keys above it, as creating a key does.
class MemoryRegistry {
public:
    using Key = SystemAccess::Key;
    using Bytes = std::vector<unsigned char>;

    static constexpr long FileNotFound = 2;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    // As SystemAccess::openKey: 2 for a missing key; a new handle for every open.
    long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, Key& key);
    // As SystemAccess::queryValue. With `data` null only the type and size are reported.
    // Data longer than `size` answers 234 with `size` set to what is needed and nothing
    // copied.
    long queryValue(Key key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size);
    // Closing a handle that is not open does nothing.
    void closeKey(Key key);

    void createKey(std::uint32_t root, const std::string& path);
    void setValue(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t type, Bytes data);
    // A REG_SZ value; with `countTerminator` its size includes a terminating zero.
    void setText(std::uint32_t root, const std::string& path, const std::string& name,
                 const std::string& text, bool countTerminator = true);
    // A REG_DWORD value, four bytes little-endian.
    void setDword(std::uint32_t root, const std::string& path, const std::string& name,
                  std::uint32_t number);
    void removeValue(std::uint32_t root, const std::string& path, const std::string& name);

    int openHandles() const { return static_cast<int>(m_handles.size()); }

private:
    using KeyId = std::pair<std::uint32_t, std::string>; // root, folded path
    struct Value {
        std::uint32_t type = 0;
        Bytes data;
    };

    static KeyId keyId(std::uint32_t root, const std::string& path);

    std::set<KeyId> m_keys;
    std::map<std::pair<KeyId, std::string>, Value> m_values; // by key and folded name
    std::map<Key, KeyId> m_handles;
    Key m_nextHandle = 0x100;
};
