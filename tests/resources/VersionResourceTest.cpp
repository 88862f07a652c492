// Checks what windres makes of resources/trellic.rc: the version information
// Windows shows for Trellic.exe, and the program icon with its group.

#include "ResourceFile.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace resources;

namespace {

constexpr std::uint16_t kIconType = 3;       // RT_ICON
constexpr std::uint16_t kGroupIconType = 14; // RT_GROUP_ICON
constexpr std::uint16_t kVersionType = 16;   // RT_VERSION
constexpr std::uint16_t kIconId = 30001;
constexpr std::uint16_t kUsEnglish = 1033;
constexpr std::size_t kIconBytes = 2216;

const std::vector<Resource>& compiled()
{
    static const std::vector<Resource> entries = [] {
        const std::string path = TRELLIC_RES_FILE;
        if (path.empty()) {
            throw std::runtime_error(
                "x86_64-w64-mingw32-windres was not found when the build was configured; "
                "install binutils-mingw-w64-x86-64 and configure again");
        }
        return readResources(readFile(path));
    }();
    return entries;
}

const Resource& find(std::uint16_t type, std::uint16_t name)
{
    for (const auto& resource : compiled()) {
        if (resource.type.number == type && resource.name.number == name) {
            return resource;
        }
    }
    throw std::runtime_error("no resource of type " + std::to_string(type) + " with id " +
                             std::to_string(name));
}

Bytes sourceFile(const std::string& name)
{
    return readFile(TRELLIC_RESOURCE_DIR "/" + name);
}

// A copy: the blocks are small, and a reference could outlive the block it was found in.
VersionBlock child(const VersionBlock& block, const std::string& key)
{
    for (const auto& c : block.children) {
        if (c.key == key) {
            return c;
        }
    }
    throw std::runtime_error("\"" + block.key + "\" has no block \"" + key + "\"");
}

VersionBlock versionInfo()
{
    return readVersionBlock(find(kVersionType, 1).data);
}

} // namespace

TEST(CompiledResources, HoldTheVersionTheIconImageAndTheIconGroupInUsEnglish)
{
    std::vector<std::pair<int, int>> ids;
    for (const auto& resource : compiled()) {
        ASSERT_TRUE(resource.type.number && resource.name.number)
            << "named resource \"" << resource.type.name << "\" / \"" << resource.name.name << "\"";
        ids.emplace_back(*resource.type.number, *resource.name.number);
        EXPECT_EQ(resource.language, kUsEnglish) << "resource type " << *resource.type.number;
    }
    std::sort(ids.begin(), ids.end());
    const std::vector<std::pair<int, int>> expected{
        {kIconType, kIconId}, {kGroupIconType, 1}, {kVersionType, 1}};
    EXPECT_EQ(ids, expected);
}

TEST(VersionResource, FixedInfoDescribesVersionOneOfAWin32Application)
{
    const VersionBlock root = versionInfo();
    EXPECT_EQ(root.key, "VS_VERSION_INFO");
    EXPECT_EQ(root.type, 0);
    ASSERT_EQ(root.value.size(), 52u);
    const Bytes& fixed = root.value;
    EXPECT_EQ(dword(fixed, 0), 0xFEEF04BDu) << "signature";
    EXPECT_EQ(dword(fixed, 4), 0x00010000u) << "structure version";
    EXPECT_EQ(dword(fixed, 8), 0x00010000u) << "file version 1.0";
    EXPECT_EQ(dword(fixed, 12), 0u) << "file version .0.0";
    EXPECT_EQ(dword(fixed, 16), 0x00010000u) << "product version 1.0";
    EXPECT_EQ(dword(fixed, 20), 0u) << "product version .0.0";
    EXPECT_EQ(dword(fixed, 24), 0u) << "flags mask";
    EXPECT_EQ(dword(fixed, 28), 0u) << "flags";
    EXPECT_EQ(dword(fixed, 32), 0x4u) << "VOS__WINDOWS32";
    EXPECT_EQ(dword(fixed, 36), 0x1u) << "VFT_APP";
    EXPECT_EQ(dword(fixed, 40), 0u) << "subtype";
    EXPECT_EQ(dword(fixed, 44), 0u) << "date, high part";
    EXPECT_EQ(dword(fixed, 48), 0u) << "date, low part";
}

TEST(VersionResource, VarFileInfoComesFirstAndNamesUsEnglishUnicode)
{
    const VersionBlock root = versionInfo();
    EXPECT_EQ(root.childKeys(), (std::vector<std::string>{"VarFileInfo", "StringFileInfo"}));

    const VersionBlock var = child(root, "VarFileInfo");
    EXPECT_EQ(var.childKeys(), std::vector<std::string>{"Translation"});
    const VersionBlock translation = child(var, "Translation");
    EXPECT_EQ(translation.type, 0) << "a binary value";
    ASSERT_EQ(translation.value.size(), 4u);
    EXPECT_EQ(word(translation.value, 0), 0x0409);
    EXPECT_EQ(word(translation.value, 2), 0x04B0);
}

TEST(VersionResource, OneStringTableHoldsExactlyTheSixStringsInOrder)
{
    const VersionBlock root = versionInfo();
    const VersionBlock strings = child(root, "StringFileInfo");
    ASSERT_EQ(strings.childKeys(), std::vector<std::string>{"040904B0"});

    std::vector<std::pair<std::string, std::string>> entries;
    for (const auto& entry : strings.children.front().children) {
        EXPECT_EQ(entry.type, 1) << entry.key << " is not stored as text";
        EXPECT_TRUE(entry.children.empty()) << entry.key;
        entries.emplace_back(entry.key, entry.text());
    }
    const std::vector<std::pair<std::string, std::string>> expected{
        {"CompanyName", "Kelvane Corp."}, {"ProductName", "Trellic"},
        {"FileVersion", "1.00"},          {"ProductVersion", "1.00"},
        {"InternalName", "Trellic"},      {"OriginalFilename", "Trellic.exe"}};
    EXPECT_EQ(entries, expected);
}

TEST(IconResource, ImageIsThe32PixelDibWithA256ColourPalette)
{
    const Bytes& image = find(kIconType, kIconId).data;
    EXPECT_EQ(image, sourceFile("trellic-32.dib"));
    ASSERT_EQ(image.size(), kIconBytes);
    EXPECT_EQ(dword(image, 0), 40u) << "BITMAPINFOHEADER size";
    EXPECT_EQ(dword(image, 4), 32u) << "width";
    EXPECT_EQ(dword(image, 8), 64u) << "height of colour image and mask together";
    EXPECT_EQ(word(image, 12), 1) << "planes";
    EXPECT_EQ(word(image, 14), 8) << "bits per pixel";
    EXPECT_EQ(dword(image, 16), 0u) << "uncompressed";
    const std::uint32_t coloursUsed = dword(image, 32);
    EXPECT_TRUE(coloursUsed == 256 || coloursUsed == 0) << coloursUsed;
}

TEST(IconResource, GroupListsTheOneImageByItsId)
{
    const Bytes& group = find(kGroupIconType, 1).data;
    ASSERT_EQ(group.size(), 6u + 14u) << "GRPICONDIR with one entry";
    EXPECT_EQ(word(group, 0), 0) << "reserved";
    EXPECT_EQ(word(group, 2), 1) << "type: icon";
    EXPECT_EQ(word(group, 4), 1) << "image count";
    EXPECT_EQ(group[6], 32) << "width";
    EXPECT_EQ(group[7], 32) << "height";
    EXPECT_EQ(group[8], 0) << "colour count";
    EXPECT_EQ(group[9], 0) << "reserved";
    EXPECT_EQ(word(group, 10), 1) << "planes";
    EXPECT_EQ(word(group, 12), 8) << "bits per pixel";
    EXPECT_EQ(dword(group, 14), kIconBytes) << "image size";
    EXPECT_EQ(word(group, 18), kIconId) << "image id";
}

TEST(IconFile, HoldsOneEntryWhoseImageIsTheDib)
{
    const Bytes icon = sourceFile("trellic.ico");
    const Bytes dib = sourceFile("trellic-32.dib");
    ASSERT_EQ(icon.size(), 6u + 16u + kIconBytes);
    EXPECT_EQ(word(icon, 0), 0) << "reserved";
    EXPECT_EQ(word(icon, 2), 1) << "type: icon";
    EXPECT_EQ(word(icon, 4), 1) << "image count";
    EXPECT_EQ(icon[6], 32) << "width";
    EXPECT_EQ(icon[7], 32) << "height";
    EXPECT_EQ(icon[8], 0) << "colour count";
    EXPECT_EQ(icon[9], 0) << "reserved";
    EXPECT_EQ(word(icon, 10), 1) << "planes";
    EXPECT_EQ(word(icon, 12), 8) << "bits per pixel";
    EXPECT_EQ(dword(icon, 14), kIconBytes) << "image size";
    EXPECT_EQ(dword(icon, 18), 22u) << "image offset";
    EXPECT_EQ(Bytes(icon.begin() + 22, icon.end()), dib);
}

// The picture itself: rows are stored bottom up, so a flipped image or an
// inverted mask would still pass the header checks above.
TEST(IconFile, ImageShowsTheTileWithTheCrossTopLeftAndTheNoughtBottomRight)
{
    const Bytes dib = sourceFile("trellic-32.dib");
    ASSERT_EQ(dib.size(), kIconBytes);
    constexpr std::size_t palette = 40, pixels = palette + 256 * 4, mask = pixels + 32 * 32;
    // x, y from the top left corner.
    const auto transparent = [&](int x, int y) {
        const std::size_t row = mask + static_cast<std::size_t>(31 - y) * 4;
        return (dib[row + static_cast<std::size_t>(x / 8)] >> (7 - x % 8) & 1) != 0;
    };
    const auto rgb = [&](int x, int y) {
        const std::size_t index = dib[pixels + static_cast<std::size_t>((31 - y) * 32 + x)];
        const std::size_t entry = palette + index * 4;
        return std::vector<int>{dib[entry + 2], dib[entry + 1], dib[entry]};
    };
    const auto quarterHas = [&](int left, int top, auto wanted) {
        for (int y = top; y < top + 16; ++y) {
            for (int x = left; x < left + 16; ++x) {
                if (!transparent(x, y) && wanted(rgb(x, y))) {
                    return true;
                }
            }
        }
        return false;
    };
    const auto red = [](const std::vector<int>& c) { return c[0] > 200 && c[1] < 140; };
    const auto teal = [](const std::vector<int>& c) { return c[1] > 170 && c[0] < 120; };

    for (const auto& [x, y] : {std::pair{0, 0}, {31, 0}, {0, 31}, {31, 31}}) {
        EXPECT_TRUE(transparent(x, y)) << "rounded corner at " << x << "," << y;
    }
    for (int y = 3; y < 29; ++y) {
        for (int x = 3; x < 29; ++x) {
            EXPECT_FALSE(transparent(x, y)) << "hole in the tile at " << x << "," << y;
        }
    }
    EXPECT_TRUE(quarterHas(0, 0, red)) << "no cross in the top left";
    EXPECT_TRUE(quarterHas(16, 16, teal)) << "no nought in the bottom right";
    EXPECT_FALSE(quarterHas(0, 16, red) || quarterHas(0, 16, teal)) << "mark in the bottom left";
}
