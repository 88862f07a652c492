#include "ResourceFile.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace resources {

namespace {

std::size_t alignUp(std::size_t offset)
{
    return (offset + 3) & ~std::size_t{3};
}

void need(const Bytes& data, std::size_t offset, std::size_t count)
{
    if (offset > data.size() || count > data.size() - offset) {
        throw std::runtime_error("data ends at " + std::to_string(data.size()) +
                                 " but a field needs " + std::to_string(count) + " bytes at " +
                                 std::to_string(offset));
    }
}

// Reads a NUL-terminated UTF-16 string; only ASCII is expected in our resources.
std::string readString(const Bytes& data, std::size_t& offset)
{
    std::string text;
    for (std::uint16_t c = word(data, offset); c != 0; c = word(data, offset)) {
        text += c < 0x80 ? static_cast<char>(c) : '?';
        offset += 2;
    }
    offset += 2;
    return text;
}

ResourceId readId(const Bytes& data, std::size_t& offset)
{
    ResourceId id;
    if (word(data, offset) == 0xFFFF) {
        id.number = word(data, offset + 2);
        offset += 4;
    } else {
        id.name = readString(data, offset);
    }
    return id;
}

VersionBlock readBlock(const Bytes& data, std::size_t offset, std::size_t& length)
{
    length = word(data, offset);
    const std::size_t end = offset + length;
    const std::uint16_t valueLength = word(data, offset + 2);
    if (length < 6 || end > data.size()) {
        throw std::runtime_error("version block at " + std::to_string(offset) +
                                 " has a bad length " + std::to_string(length));
    }
    VersionBlock block;
    block.type = word(data, offset + 4);
    std::size_t at = offset + 6;
    block.key = readString(data, at);
    at = alignUp(at);
    // Text values count UTF-16 characters, binary ones count bytes.
    const std::size_t valueBytes = block.type == 1 ? valueLength * std::size_t{2} : valueLength;
    need(data, at, valueBytes);
    block.value.assign(data.begin() + static_cast<std::ptrdiff_t>(at),
                       data.begin() + static_cast<std::ptrdiff_t>(at + valueBytes));
    at = alignUp(at + valueBytes);
    while (at < end) {
        std::size_t childLength = 0;
        block.children.push_back(readBlock(data, at, childLength));
        at = alignUp(at + childLength);
    }
    if (at > alignUp(end)) {
        throw std::runtime_error("version block \"" + block.key + "\" overruns its length");
    }
    return block;
}

} // namespace

Bytes readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::uint16_t word(const Bytes& data, std::size_t offset)
{
    need(data, offset, 2);
    return static_cast<std::uint16_t>(data[offset] | data[offset + 1] << 8);
}

std::uint32_t dword(const Bytes& data, std::size_t offset)
{
    return word(data, offset) | static_cast<std::uint32_t>(word(data, offset + 2)) << 16;
}

std::vector<Resource> readResources(const Bytes& file)
{
    std::vector<Resource> found;
    std::size_t offset = 0;
    while (offset < file.size()) {
        const std::uint32_t dataSize = dword(file, offset);
        const std::uint32_t headerSize = dword(file, offset + 4);
        std::size_t at = offset + 8;
        Resource resource;
        resource.type = readId(file, at);
        resource.name = readId(file, at);
        at = alignUp(at);
        // DataVersion, MemoryFlags, LanguageId, Version, Characteristics.
        resource.language = word(file, at + 6);
        at += 16;
        if (at - offset != headerSize) {
            throw std::runtime_error("resource header at " + std::to_string(offset) + " says " +
                                     std::to_string(headerSize) + " bytes but holds " +
                                     std::to_string(at - offset));
        }
        need(file, at, dataSize);
        resource.data.assign(file.begin() + static_cast<std::ptrdiff_t>(at),
                             file.begin() + static_cast<std::ptrdiff_t>(at + dataSize));
        offset = alignUp(at + dataSize);
        const bool marker = dataSize == 0 && resource.type.number == std::uint16_t{0};
        if (!marker) {
            found.push_back(std::move(resource));
        }
    }
    return found;
}

std::string VersionBlock::text() const
{
    std::string text;
    for (std::size_t i = 0; i + 1 < value.size(); i += 2) {
        const std::uint16_t c = word(value, i);
        if (c == 0 && i + 2 == value.size()) {
            break;
        }
        text += c < 0x80 ? static_cast<char>(c) : '?';
    }
    return text;
}

std::vector<std::string> VersionBlock::childKeys() const
{
    std::vector<std::string> keys;
    for (const auto& child : children) {
        keys.push_back(child.key);
    }
    return keys;
}

VersionBlock readVersionBlock(const Bytes& data)
{
    std::size_t length = 0;
    VersionBlock root = readBlock(data, 0, length);
    if (alignUp(length) < data.size()) {
        throw std::runtime_error("bytes follow the version resource");
    }
    return root;
}

} // namespace resources
