#include "Conversions.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

} // namespace

std::string Conversions::intToText(std::int64_t value)
{
    return std::to_string(value);
}

std::int32_t Conversions::textToInt32(std::string_view text)
{
    const std::string_view digits = trimmed(text);
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        throw ConversionError("not a 32-bit whole number: \"" + std::string(text) + "\"");
    }
    return value;
}

double Conversions::textToDouble(std::string_view text)
{
    const std::string_view number = trimmed(text);
    double value = 0.0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || error != std::errc{} || end != number.data() + number.size() ||
        !std::isfinite(value)) {
        throw ConversionError("not a number: \"" + std::string(text) + "\"");
    }
    return value;
}

std::string Conversions::doubleToText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return intToText(static_cast<std::int64_t>(value));
    }
    char buffer[32];
    const int length = std::snprintf(buffer, sizeof buffer, "%.15G", value);
    return std::string(buffer, static_cast<std::size_t>(length));
}
