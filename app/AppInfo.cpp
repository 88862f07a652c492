#include "AppInfo.h"

#include "Conversions.h"

std::string AppInfo::versionText(std::string_view pattern, int major, int minor, int revision)
{
    const std::string numbers = Conversions::intToText(major) + "." + Conversions::intToText(minor) +
                                "." + Conversions::intToText(revision);
    std::string text(pattern);
    if (const auto at = text.find("%1"); at != std::string::npos) {
        text.replace(at, 2, numbers);
    }
    return text;
}
