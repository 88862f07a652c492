// Which SystemAccess the windows get: the platform's own, unless a test put another in place.
#include "SystemAccess.h"

#ifdef _WIN32
#include "WindowsSystemAccess.h"
using PlatformSystemAccess = WindowsSystemAccess;
#else
#include "LinuxSystemAccess.h"
using PlatformSystemAccess = LinuxSystemAccess;
#endif

namespace {

SystemAccess* replacement = nullptr;

} // namespace

SystemAccess& SystemAccess::current()
{
    if (replacement != nullptr) {
        return *replacement;
    }
    static PlatformSystemAccess platform;
    return platform;
}

void SystemAccess::setCurrent(SystemAccess* access)
{
    replacement = access;
}
