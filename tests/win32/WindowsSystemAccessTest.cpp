// WindowsSystemAccess and GetKeyValue against a real registry and file system; run under
// Wine with the other tests of the Windows build. Writes below
// HKEY_LOCAL_MACHINE\SOFTWARE\TrellicTest and a temporary folder, and removes both again.
#include "WindowsSystemAccess.h"

#include "GetKeyValue.h"

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <windows.h>

namespace {

constexpr std::uint32_t Root = SystemAccess::HKEY_LOCAL_MACHINE_ROOT;
const std::string TestKey = "SOFTWARE\\TrellicTest\\Values";

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

std::string ownFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string self(path, length);
    return self.substr(0, self.find_last_of('\\') + 1);
}

class RegistryTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, TestKey.c_str(), 0, nullptr, 0,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const std::string text = "C:\\Program Files\\Tool\\tool.exe";
        set(key, "Counted", REG_SZ, text.c_str(), text.size() + 1);
        set(key, "Uncounted", REG_SZ, "abc", 3);
        set(key, "Empty", REG_SZ, "", 0);
        const unsigned char number[] = {0x78, 0x56, 0x34, 0x12};
        set(key, "Number", REG_DWORD, number, sizeof(number));
        const unsigned char binary[] = {1, 2, 3};
        set(key, "Binary", REG_BINARY, binary, sizeof(binary));
        const std::string big(1500, 'x');
        set(key, "Big", REG_SZ, big.c_str(), big.size() + 1);
        const std::string full(1023, 'y');
        set(key, "Full", REG_SZ, full.c_str(), full.size() + 1);
        RegCloseKey(key);
    }

    static void TearDownTestSuite() { RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\TrellicTest"); }

    static void set(HKEY key, const char* name, DWORD type, const void* data, std::size_t size)
    {
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data),
                                 static_cast<DWORD>(size)),
                  ERROR_SUCCESS)
            << name;
    }

    bool read(const std::string& name, std::string start = "untouched")
    {
        text = std::move(start);
        return GetKeyValue(system, Root, TestKey, name, text);
    }

    WindowsSystemAccess system;
    std::string text;
};

TEST_F(RegistryTest, TextValuesReadWithOrWithoutTerminator)
{
    ASSERT_TRUE(read("Counted"));
    EXPECT_EQ(text, "C:\\Program Files\\Tool\\tool.exe");
    ASSERT_TRUE(read("uncounted"));
    EXPECT_EQ(text, "abc");
    ASSERT_TRUE(read("Full"));
    EXPECT_EQ(text, std::string(1023, 'y'));
}

TEST_F(RegistryTest, DwordAndOtherTypes)
{
    ASSERT_TRUE(read("Number"));
    EXPECT_EQ(text, "305419896");
    ASSERT_TRUE(read("Binary", "kept"));
    EXPECT_EQ(text, "kept");
}

TEST_F(RegistryTest, WhatCannotBeReadFails)
{
    EXPECT_FALSE(read("Big", "old"));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(read("Empty", "old")); // no data at all
    EXPECT_EQ(text, "");
    EXPECT_FALSE(read("Missing", "old"));
    EXPECT_EQ(text, "");
    text = "old";
    EXPECT_FALSE(GetKeyValue(system, Root, "SOFTWARE\\TrellicTest\\Nowhere", "Counted", text));
    EXPECT_EQ(text, "");
}

TEST_F(RegistryTest, TooLongDataReportsTheSizeNeeded)
{
    SystemAccess::Key key = 0;
    ASSERT_EQ(system.openKey(Root, TestKey, 0, SystemAccess::KEY_READ_ACCESS, key), 0);
    unsigned char buffer[16] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof(buffer);
    EXPECT_EQ(system.queryValue(key, "Big", type, buffer, size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 1501u);
    system.closeKey(key);
}

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH] = {};
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        base = std::string(temp) + "trellic test " + std::to_string(GetCurrentProcessId());
        folder = base + "\\with space";
        ASSERT_TRUE(CreateDirectoryA(base.c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }

    void TearDown() override
    {
        for (const char* name :
             {"plain.txt", "hidden.txt", "launched.txt", "launched.part", "marker.exe"}) {
            const std::string path = folder + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(path.c_str());
        }
        RemoveDirectoryA((folder + "\\dir.txt").c_str());
        RemoveDirectoryA(folder.c_str());
        RemoveDirectoryA(base.c_str());
    }

    WindowsSystemAccess system;
    std::string base;
    std::string folder;
};

TEST_F(FilesTest, FindFileAnswersOrdinaryFilesOnly)
{
    const std::string plain = folder + "\\plain.txt";
    const std::string hidden = folder + "\\hidden.txt";
    const std::string directory = folder + "\\dir.txt";
    writeFile(plain, "x");
    writeFile(hidden, "x");
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(CreateDirectoryA(directory.c_str(), nullptr));

    EXPECT_EQ(system.findFile(plain), plain);
    EXPECT_EQ(system.findFile(directory), "");
    EXPECT_EQ(system.findFile(hidden), "");
    EXPECT_EQ(system.findFile(folder + "\\missing.txt"), "");
    EXPECT_EQ(system.findFile(folder + "\\*.txt"), plain);
    EXPECT_EQ(system.findFile(folder + "\\d*"), "");
    EXPECT_EQ(system.findFile(folder), "");
}

TEST_F(FilesTest, LaunchStartsAProgramWhosePathHasSpaces)
{
    const std::string program = folder + "\\marker.exe";
    ASSERT_TRUE(
        CopyFileA((ownFolder() + "trellic_launch_marker.exe").c_str(), program.c_str(), FALSE));
    const std::string marker = folder + "\\launched.txt";

    system.launch(program);
    // The marker appears whole, so waiting for it to exist is enough; 10 s at most.
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (GetFileAttributesA(marker.c_str()) != INVALID_FILE_ATTRIBUTES) {
            break;
        }
        Sleep(50);
    }
    // One argument: the whole path, not split at its spaces.
    EXPECT_EQ(readFile(marker), "1\n" + program + "\n");
}

TEST_F(FilesTest, LaunchOfAMissingProgramThrows)
{
    EXPECT_THROW(system.launch(folder + "\\missing.exe"), LaunchError);
    EXPECT_THROW(system.launch(folder), LaunchError);
}

} // namespace
