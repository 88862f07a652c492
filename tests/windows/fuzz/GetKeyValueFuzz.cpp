// libFuzzer target for GetKeyValue: the input picks what the registry holds and how it
// answers; GetKeyValue must never read past its buffer, must close every key it opened
// and must answer consistently. Built and run by run-fuzz.sh.
#include "GetKeyValue.h"
#include "MemoryRegistry.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

constexpr std::uint32_t Root = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
const std::string KeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

// A registry that may report a size other than the one it copied.
class FuzzSystemAccess : public SystemAccess {
public:
    MemoryRegistry registry;
    std::optional<std::uint32_t> reportedSize;
    int opens = 0;
    int closes = 0;

    long openKey(std::uint32_t root, const std::string& path, std::uint32_t options,
                 std::uint32_t access, Key& key) override
    {
        const long result = registry.openKey(root, path, options, access, key);
        opens += result == Success ? 1 : 0;
        return result;
    }
    long queryValue(Key key, const std::string& name, std::uint32_t& type, unsigned char* data,
                    std::uint32_t& size) override
    {
        const long result = registry.queryValue(key, name, type, data, size);
        if (result == Success && reportedSize) {
            size = *reportedSize;
        }
        return result;
    }
    void closeKey(Key key) override
    {
        ++closes;
        registry.closeKey(key);
    }
    std::string findFile(const std::string&) override { return {}; }
    void launch(const std::string&) override {}
};

void check(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* input, std::size_t length)
{
    if (length < 4) {
        return 0;
    }
    // Byte 0: what is missing and whether the size is a lie; byte 1: the type (small
    // numbers mostly, any number now and then); bytes 2-3: the size reported; the rest
    // is the value's data.
    const std::uint8_t mode = input[0];
    const bool missingKey = (mode & 0x0F) == 0;
    const bool missingValue = (mode & 0x0F) == 1;
    const bool lies = (mode & 0x10) != 0;
    const std::uint32_t type = input[1] < 0xF0 ? input[1] % 12u : 0x01000000u * input[1] + input[2];
    const std::uint32_t reported = input[2] | (input[3] << 8) | ((mode & 0x20) ? 0x10000u : 0u);
    const MemoryRegistry::Bytes data(input + 4, input + length);

    FuzzSystemAccess system;
    if (!missingKey) {
        system.registry.createKey(Root, KeyPath);
    }
    if (!missingKey && !missingValue) {
        system.registry.setValue(Root, KeyPath, "PATH", type, data);
    }
    if (lies) {
        system.reportedSize = reported;
    }

    std::string text = "untouched";
    const bool read = GetKeyValue(system, Root, KeyPath, "PATH", text);

    check(system.opens == system.closes);
    check(system.registry.openHandles() == 0);
    if (!read) {
        check(text.empty());
    }
    // The size the reader goes by, once the query has succeeded.
    const std::size_t seen = lies ? std::min<std::size_t>(reported, 1024) : data.size();
    if (missingKey || missingValue || data.size() > 1024 || seen == 0) {
        check(!read); // no data at all counts as a value that is not there
        return 0;
    }
    check(read);
    if (type == SystemAccess::REG_SZ_TYPE) {
        // A prefix of the data, padded with the zeros the buffer started with.
        check(text.size() <= 1024);
        for (std::size_t i = 0; i < text.size(); ++i) {
            check(static_cast<unsigned char>(text[i]) == (i < data.size() ? data[i] : 0));
        }
    } else if (type == SystemAccess::REG_DWORD_TYPE) {
        // Decimal digits.
        check(!text.empty() && text.size() <= 10);
        check(text.find_first_not_of("0123456789") == std::string::npos);
        check(std::strtoull(text.c_str(), nullptr, 10) <= 0xFFFFFFFFull);
    } else {
        check(text == "untouched");
    }
    return 0;
}
