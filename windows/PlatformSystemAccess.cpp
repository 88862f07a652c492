// Which SystemAccess the windows get: the platform's own, unless a test put another in place.
#include "SystemAccess.h"

namespace {

SystemAccess* replacement = nullptr;

} // namespace

SystemAccess& SystemAccess::current()
{
    return replacement != nullptr ? *replacement : platform();
}

void SystemAccess::setCurrent(SystemAccess* access)
{
    replacement = access;
}
