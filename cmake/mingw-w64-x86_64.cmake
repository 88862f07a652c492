# Cross build for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TRELLIC_MINGW_PREFIX x86_64-w64-mingw32)
# The posix thread model: the win32 one of GCC 12 has no std::mutex, which googletest needs.
set(CMAKE_C_COMPILER ${TRELLIC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRELLIC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TRELLIC_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRELLIC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Windows programs cannot run while building, so tests are listed when CTest runs.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
