#include "GetKeyValue.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace {

constexpr std::uint32_t BufferSize = 1024;

// The value as text: a string as stored, a number in decimal. False for a type that
// has no text form, which leaves the caller's text as it was.
bool valueText(std::uint32_t type, const unsigned char* data, std::uint32_t size, std::string& text)
{
    if (type == SystemAccess::REG_SZ_TYPE) {
        // Drop the terminating zero when one was counted in the size; anything before it,
        // zeros included, is kept.
        const std::uint32_t kept = (size > 0 && data[size - 1] == 0) ? size - 1 : size;
        text.assign(reinterpret_cast<const char*>(data), kept);
        return true;
    }
    if (type == SystemAccess::REG_DWORD_TYPE) {
        // Little-endian; bytes beyond a short value count as zero.
        std::uint32_t number = 0;
        for (std::uint32_t i = std::min<std::uint32_t>(size, 4); i > 0; --i) {
            number = (number << 8) | data[i - 1];
        }
        text = std::to_string(number);
        return true;
    }
    return false;
}

} // namespace

bool GetKeyValue(SystemAccess& system, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal)
{
    // Closes the key however the read ends, a failure passing through included.
    struct OpenKey {
        SystemAccess& system;
        SystemAccess::Key key = 0;
        bool opened = false;
        ~OpenKey()
        {
            if (opened) {
                system.closeKey(key);
            }
        }
    } open{system};

    if (system.openKey(KeyRoot, KeyName, 0, SystemAccess::KEY_READ_ACCESS, open.key) !=
        SystemAccess::Success) {
        KeyVal.clear();
        return false;
    }
    open.opened = true;

    std::array<unsigned char, BufferSize> buffer{};
    std::uint32_t size = BufferSize;
    std::uint32_t type = 0;
    if (system.queryValue(open.key, SubKeyRef, type, buffer.data(), size) !=
        SystemAccess::Success) {
        KeyVal.clear();
        return false;
    }
    // Never trust a size larger than the buffer that was handed out.
    size = std::min(size, BufferSize);
    if (size == 0) {
        // A value with no data names nothing: read as empty text, a folder would send the
        // look-up to the root of the current drive.
        KeyVal.clear();
        return false;
    }
    std::string text;
    if (valueText(type, buffer.data(), size, text)) {
        KeyVal = std::move(text);
    }
    return true;
}
