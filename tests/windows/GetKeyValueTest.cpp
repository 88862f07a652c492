#include "GetKeyValue.h"

#include "FakeSystemAccess.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr std::uint32_t Root = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
const std::string KeyPath = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";

class GetKeyValueTest : public ::testing::Test {
protected:
    // Reads KeyPath's value `name`, starting from text that shows whether it was touched.
    bool read(const std::string& name, std::string start = "untouched")
    {
        text = std::move(start);
        return GetKeyValue(system, Root, KeyPath, name, text);
    }

    void setBytes(const std::string& name, std::uint32_t type, MemoryRegistry::Bytes bytes)
    {
        system.registry.setValue(Root, KeyPath, name, type, std::move(bytes));
    }

    FakeSystemAccess system;
    std::string text;
};

TEST_F(GetKeyValueTest, TextLosesOnlyACountedTerminator)
{
    system.registry.setText(Root, KeyPath, "PATH", "C:\\Program Files\\msinfo32.exe", true);
    ASSERT_TRUE(read("PATH"));
    EXPECT_EQ(text, "C:\\Program Files\\msinfo32.exe");

    system.registry.setText(Root, KeyPath, "Bare", "abc", false);
    ASSERT_TRUE(read("Bare"));
    EXPECT_EQ(text, "abc");

    setBytes("Inner", SystemAccess::REG_SZ_TYPE, {'a', 0, 'b', 0});
    ASSERT_TRUE(read("Inner"));
    EXPECT_EQ(text, std::string("a\0b", 3));

    setBytes("Zeros", SystemAccess::REG_SZ_TYPE, {0, 0});
    ASSERT_TRUE(read("Zeros"));
    EXPECT_EQ(text, std::string(1, '\0'));

    // Only the terminator: data all the same, and empty text.
    system.registry.setText(Root, KeyPath, "Blank", "", true);
    ASSERT_TRUE(read("Blank"));
    EXPECT_EQ(text, "");
}

TEST_F(GetKeyValueTest, TextFillingTheWholeBufferIsRead)
{
    system.registry.setText(Root, KeyPath, "Full", std::string(1024, 'x'), false);
    ASSERT_TRUE(read("Full"));
    EXPECT_EQ(text, std::string(1024, 'x'));

    system.registry.setText(Root, KeyPath, "Full", std::string(1023, 'y'), true);
    ASSERT_TRUE(read("Full"));
    EXPECT_EQ(text, std::string(1023, 'y'));
}

TEST_F(GetKeyValueTest, DwordBecomesUnsignedDecimalText)
{
    setBytes("N", SystemAccess::REG_DWORD_TYPE, {0x78, 0x56, 0x34, 0x12});
    ASSERT_TRUE(read("N"));
    EXPECT_EQ(text, "305419896");

    setBytes("N", SystemAccess::REG_DWORD_TYPE, {0x2A, 0x00, 0x00, 0x00});
    ASSERT_TRUE(read("N"));
    EXPECT_EQ(text, "42");

    system.registry.setDword(Root, KeyPath, "N", 0xFFFFFFFFu);
    ASSERT_TRUE(read("N"));
    EXPECT_EQ(text, "4294967295");

    system.registry.setDword(Root, KeyPath, "N", 0);
    ASSERT_TRUE(read("N"));
    EXPECT_EQ(text, "0");
}

TEST_F(GetKeyValueTest, DwordOfOddLengthUsesTheFirstFourBytes)
{
    setBytes("Short", SystemAccess::REG_DWORD_TYPE, {0x01, 0x02});
    ASSERT_TRUE(read("Short"));
    EXPECT_EQ(text, "513");

    setBytes("Long", SystemAccess::REG_DWORD_TYPE, {0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF});
    ASSERT_TRUE(read("Long"));
    EXPECT_EQ(text, "1");
}

TEST_F(GetKeyValueTest, ValueWithNoDataFailsLikeAMissingOne)
{
    for (const std::uint32_t type :
         {SystemAccess::REG_SZ_TYPE, SystemAccess::REG_DWORD_TYPE, std::uint32_t{3}}) {
        setBytes("None", type, {});
        EXPECT_FALSE(read("None", "old")) << "type " << type;
        EXPECT_EQ(text, "") << "type " << type;
    }
    // A registry that reports no data for a value it did fill in.
    system.registry.setText(Root, KeyPath, "PATH", "C:\\x", true);
    system.reportedSize = 0;
    EXPECT_FALSE(read("PATH", "old"));
    EXPECT_EQ(text, "");
    EXPECT_EQ(system.opens, 4);
    EXPECT_EQ(system.closes, 4);
}

TEST_F(GetKeyValueTest, OtherTypesSucceedAndLeaveTheTextAlone)
{
    for (const std::uint32_t type : {0u, 2u, 3u, 7u, 11u}) {
        setBytes("Other", type, {'1', '2', 0});
        EXPECT_TRUE(read("Other", "kept")) << "type " << type;
        EXPECT_EQ(text, "kept") << "type " << type;
    }
}

TEST_F(GetKeyValueTest, FailureEmptiesTheText)
{
    system.registry.setText(Root, KeyPath, "PATH", "C:\\x", true);

    text = "old";
    EXPECT_FALSE(GetKeyValue(system, Root, "SOFTWARE\\Nowhere", "PATH", text));
    EXPECT_EQ(text, "");

    EXPECT_FALSE(read("Missing", "old"));
    EXPECT_EQ(text, "");

    system.registry.setText(Root, KeyPath, "Long", std::string(1024, 'x'), true);
    EXPECT_FALSE(read("Long", "old"));
    EXPECT_EQ(text, "");
}

TEST_F(GetKeyValueTest, NamesAreMatchedWithoutRegardToCase)
{
    system.registry.setText(Root, KeyPath, "PATH", "C:\\x", true);
    text.clear();
    EXPECT_TRUE(
        GetKeyValue(system, Root, "software\\MICROSOFT\\shared tools\\msinfo", "path", text));
    EXPECT_EQ(text, "C:\\x");
}

TEST_F(GetKeyValueTest, OpensForReadingOnlyAndAlwaysCloses)
{
    system.registry.setText(Root, KeyPath, "PATH", "C:\\x", true);
    system.registry.setText(Root, KeyPath, "Long", std::string(2000, 'x'), true);

    EXPECT_TRUE(read("PATH"));
    EXPECT_EQ(system.lastAccess, 0x20019u);
    EXPECT_EQ(system.lastOptions, 0u);
    EXPECT_FALSE(read("Missing"));
    EXPECT_FALSE(read("Long"));
    system.throwOnQuery = true;
    EXPECT_ANY_THROW(read("PATH"));

    EXPECT_EQ(system.opens, 4);
    EXPECT_EQ(system.closes, 4);
    EXPECT_EQ(system.registry.openHandles(), 0);

    // Nothing to close when the key did not open.
    EXPECT_FALSE(GetKeyValue(system, Root, "SOFTWARE\\Nowhere", "PATH", text));
    EXPECT_EQ(system.closes, 4);
}

TEST_F(GetKeyValueTest, RegistryFailuresPassToTheCallerWithTheKeyClosed)
{
    system.registry.setText(Root, KeyPath, "PATH", "C:\\x", true);
    system.throwOnOpen = true;
    EXPECT_ANY_THROW(read("PATH", "old"));
    EXPECT_EQ(system.closes, 0);
    system.throwOnOpen = false;
    system.throwOnQuery = true;
    EXPECT_ANY_THROW(read("PATH", "old"));
    EXPECT_EQ(system.opens, 1);
    EXPECT_EQ(system.closes, 1);
}

TEST_F(GetKeyValueTest, ReportedSizeIsNeverTrustedBeyondTheBuffer)
{
    system.registry.setText(Root, KeyPath, "Full", std::string(1024, 'x'), false);
    system.reportedSize = 70000;
    ASSERT_TRUE(read("Full"));
    EXPECT_EQ(text, std::string(1024, 'x'));
}

} // namespace
