#include "Conversions.h"

#include "AppInfo.h"

#include <cstdint>
#include <gtest/gtest.h>

TEST(Conversions, WholeNumbersBecomePlainDecimalText)
{
    EXPECT_EQ(Conversions::intToText(0), "0");
    EXPECT_EQ(Conversions::intToText(1), "1");
    EXPECT_EQ(Conversions::intToText(-2), "-2");
    EXPECT_EQ(Conversions::intToText(INT64_MIN), "-9223372036854775808");
}

TEST(Conversions, TurnTextsAreEachOthersComplement)
{
    EXPECT_EQ(~Conversions::textToInt32("1"), -2);
    EXPECT_EQ(~Conversions::textToInt32("-2"), 1);
    EXPECT_EQ(Conversions::intToText(~Conversions::textToInt32("1")), "-2");
    EXPECT_EQ(Conversions::textToInt32(" 7 "), 7);
    EXPECT_EQ(Conversions::textToInt32("2147483647"), INT32_MAX);
    EXPECT_EQ(Conversions::textToInt32("-2147483648"), INT32_MIN);
}

TEST(Conversions, TextThatIsNotAWholeNumberIsAnError)
{
    for (const char* bad :
         {"", " ", "X", "1x", "1.5", "2147483648", "-2147483649", "+-1", "0x10"}) {
        EXPECT_THROW(Conversions::textToInt32(bad), ConversionError) << '"' << bad << '"';
    }
}

TEST(Conversions, TextReadsAsADoubleOnlyWhenItIsANumber)
{
    EXPECT_EQ(Conversions::textToDouble("0"), 0.0);
    EXPECT_EQ(Conversions::textToDouble("-2"), -2.0);
    EXPECT_EQ(Conversions::textToDouble("12"), 12.0);
    EXPECT_EQ(Conversions::textToDouble(" 1.5"), 1.5);
    EXPECT_EQ(Conversions::textToDouble("1e3"), 1000.0);
    for (const char* bad : {"", "   ", "Player 1", "1,5", "1 2", "nan", "inf", "1e999", "--1"}) {
        EXPECT_THROW(Conversions::textToDouble(bad), ConversionError) << '"' << bad << '"';
    }
}

TEST(Conversions, DoublesUseTheGeneralNumberFormat)
{
    EXPECT_EQ(Conversions::doubleToText(0.0), "0");
    EXPECT_EQ(Conversions::doubleToText(-0.0), "0");
    EXPECT_EQ(Conversions::doubleToText(1.0), "1");
    EXPECT_EQ(Conversions::doubleToText(10.0), "10");
    EXPECT_EQ(Conversions::doubleToText(-2.0), "-2");
    EXPECT_EQ(Conversions::doubleToText(1.5), "1.5");
    // A score read, raised by one and written back, round after round.
    std::string score = "0";
    for (int round = 0; round < 1000; ++round) {
        score = Conversions::doubleToText(Conversions::textToDouble(score) + 1);
    }
    EXPECT_EQ(score, "1000");
}

TEST(AppInfo, VersionTextJoinsTheNumbersInPlainDecimal)
{
    EXPECT_EQ(AppInfo::Title, "Trellic");
    EXPECT_EQ(AppInfo::versionText(), "Version 1.0.0");
    EXPECT_EQ(AppInfo::versionText("Version %1", 1, 0, 12), "Version 1.0.12");
    EXPECT_EQ(AppInfo::versionText("Version %1", 10, 20, 300), "Version 10.20.300");
    // Another language's word, before or after the numbers.
    EXPECT_EQ(AppInfo::versionText("Versión %1"), "Versión 1.0.0");
    EXPECT_EQ(AppInfo::versionText("%1 版"), "1.0.0 版");
}

TEST(AppInfo, MatchesTheVersionThePackageIsBuiltWith)
{
    // The build's version names the .deb and the metainfo; the windows show this one.
    EXPECT_EQ(AppInfo::versionText(), "Version " TRELLIC_PROJECT_VERSION);
}
