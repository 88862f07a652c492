#pragma once

#include "SystemAccess.h"

#include <cstdint>
#include <string>

// Reads the value `SubKeyRef` of the key `KeyName` below `KeyRoot` as text into `KeyVal`.
// True when the key was opened and the value read; false, with `KeyVal` emptied, otherwise,
// a value with no data included.
// A failure of the registry itself (an exception) passes to the caller, with the key
// closed.
bool GetKeyValue(SystemAccess& system, std::uint32_t KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);
