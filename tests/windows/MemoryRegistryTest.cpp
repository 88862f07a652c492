#include "MemoryRegistry.h"

#include <array>
#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::uint32_t Root = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
constexpr std::uint32_t OtherRoot = 0x80000001u;

class MemoryRegistryTest : public ::testing::Test {
protected:
    MemoryRegistry::Key open(const std::string& path, long expected = SystemAccess::Success)
    {
        MemoryRegistry::Key key = 0;
        EXPECT_EQ(registry.openKey(Root, path, 0, SystemAccess::KEY_READ_ACCESS, key), expected)
            << path;
        return key;
    }

    MemoryRegistry registry;
};

TEST_F(MemoryRegistryTest, KeysExistOnceCreatedTogetherWithTheKeysAboveThem)
{
    open("SOFTWARE\\Trellic", MemoryRegistry::FileNotFound);
    registry.setText(Root, "SOFTWARE\\Trellic\\Test", "Name", "x");

    for (const char* path : {"SOFTWARE", "software\\trellic", "SOFTWARE\\TRELLIC\\test", ""}) {
        registry.closeKey(open(path));
    }
    open("SOFTWARE\\Trel", MemoryRegistry::FileNotFound);
    open("SOFTWARE\\Trellic\\Test\\Deeper", MemoryRegistry::FileNotFound);

    MemoryRegistry::Key key = 0;
    EXPECT_EQ(registry.openKey(OtherRoot, "SOFTWARE", 0, 0, key), MemoryRegistry::FileNotFound);
}

TEST_F(MemoryRegistryTest, EachOpenGetsItsOwnHandleUntilClosed)
{
    registry.createKey(Root, "A");
    const auto first = open("A");
    const auto second = open("a");
    EXPECT_NE(first, 0u);
    EXPECT_NE(first, second);
    EXPECT_EQ(registry.openHandles(), 2);

    registry.closeKey(first);
    registry.closeKey(first);
    registry.closeKey(12345);
    EXPECT_EQ(registry.openHandles(), 1);

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.queryValue(first, "x", type, nullptr, size), MemoryRegistry::InvalidHandle);
    EXPECT_EQ(registry.queryValue(0, "x", type, nullptr, size), MemoryRegistry::InvalidHandle);
    EXPECT_EQ(registry.queryValue(second, "x", type, nullptr, size), MemoryRegistry::FileNotFound);
}

TEST_F(MemoryRegistryTest, QueryCopiesTypeAndBytesOnlyWhenTheyFit)
{
    registry.setText(Root, "K", "Text", "abc", true);
    registry.setText(Root, "K", "Bare", "abc", false);
    registry.setDword(Root, "K", "Number", 0x12345678u);
    const auto key = open("K");

    std::array<unsigned char, 8> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = buffer.size();
    ASSERT_EQ(registry.queryValue(key, "TEXT", type, buffer.data(), size), SystemAccess::Success);
    EXPECT_EQ(type, SystemAccess::REG_SZ_TYPE);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 4), std::string("abc\0", 4));

    size = buffer.size();
    ASSERT_EQ(registry.queryValue(key, "Bare", type, buffer.data(), size), SystemAccess::Success);
    EXPECT_EQ(size, 3u);

    buffer.fill(0xEE);
    size = buffer.size();
    ASSERT_EQ(registry.queryValue(key, "number", type, buffer.data(), size), SystemAccess::Success);
    EXPECT_EQ(type, SystemAccess::REG_DWORD_TYPE);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer[0], 0x78);
    EXPECT_EQ(buffer[3], 0x12);
    EXPECT_EQ(buffer[4], 0xEE);

    // Too long: the size needed comes back and the buffer is not touched.
    buffer.fill(0xEE);
    size = 3;
    EXPECT_EQ(registry.queryValue(key, "Text", type, buffer.data(), size),
              MemoryRegistry::MoreData);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(buffer[0], 0xEE);

    // Without a buffer only the size is asked for.
    size = 0;
    EXPECT_EQ(registry.queryValue(key, "Text", type, nullptr, size), SystemAccess::Success);
    EXPECT_EQ(size, 4u);
}

TEST_F(MemoryRegistryTest, RemovedValuesAreMissingEvenToOpenHandles)
{
    registry.setText(Root, "K", "V", "x");
    const auto key = open("K");
    registry.removeValue(Root, "k", "v");

    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.queryValue(key, "V", type, nullptr, size), MemoryRegistry::FileNotFound);
    registry.closeKey(open("K"));
}

} // namespace
