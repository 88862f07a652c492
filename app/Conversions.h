#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

// A text that does not read as the number asked for.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The game keeps its numbers as text and converts on every use.
class Conversions {
public:
    // Plain decimal digits, "-" for negatives: 0, 1, -2 give "0", "1", "-2".
    static std::string intToText(std::int64_t value);

    // The whole text as a 32-bit signed integer; anything else throws ConversionError.
    static std::int32_t textToInt32(std::string_view text);

    // The whole text as a number (surrounding blanks allowed); a text that is not a
    // number throws ConversionError, it never reads as 0.
    static double textToDouble(std::string_view text);

    // General number format: whole numbers as plain digits without a decimal point,
    // others with up to 15 significant digits.
    static std::string doubleToText(double value);
};
