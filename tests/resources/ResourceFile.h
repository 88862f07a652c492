#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Readers for what the Windows resource compiler makes, so that the tests can
// look inside a compiled .res file and the icon files without Windows.
// Every reader throws std::runtime_error on data that is cut short or malformed.
namespace resources {

using Bytes = std::vector<std::uint8_t>;

Bytes readFile(const std::string& path);

// Little-endian fields; out-of-range offsets throw.
std::uint16_t word(const Bytes& data, std::size_t offset);
std::uint32_t dword(const Bytes& data, std::size_t offset);

// A resource type or name: a number, or a string when `number` is empty.
struct ResourceId {
    std::optional<std::uint16_t> number;
    std::string name;
};

struct Resource {
    ResourceId type;
    ResourceId name;
    std::uint16_t language = 0;
    Bytes data;
};

// The entries of a .res file, in file order, without the empty entry that
// opens every such file.
std::vector<Resource> readResources(const Bytes& file);

// One block of a version resource: VS_VERSIONINFO itself, StringFileInfo,
// a string table, one string, VarFileInfo or one of its values.
struct VersionBlock {
    std::string key;
    std::uint16_t type = 0; // 1 for text, 0 for binary
    Bytes value;
    std::vector<VersionBlock> children;

    // The value as text, without its terminating NUL.
    std::string text() const;
    std::vector<std::string> childKeys() const;
};

VersionBlock readVersionBlock(const Bytes& data);

} // namespace resources
