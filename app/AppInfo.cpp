#include "AppInfo.h"

#include "Conversions.h"

std::string AppInfo::versionText(int major, int minor, int revision)
{
    return "Version " + Conversions::intToText(major) + "." + Conversions::intToText(minor) + "." +
           Conversions::intToText(revision);
}
