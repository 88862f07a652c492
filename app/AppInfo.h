#pragma once

#include <string>
#include <string_view>

// The application's title and version numbers, read by every window.
class AppInfo {
public:
    static constexpr std::string_view Title = "Trellic";
    static constexpr int Major = 1;
    static constexpr int Minor = 0;
    static constexpr int Revision = 0;

    // "Version 1.0.0": the line shown by the splash and About windows. `pattern` is that
    // line in the player's language, with %1 where the numbers go ("Versión %1").
    static std::string versionText(std::string_view pattern = "Version %1", int major = Major,
                                   int minor = Minor, int revision = Revision);
};
