# What both MinGW-w64 toolchain files share; they set CMAKE_SYSTEM_PROCESSOR, QU_MINGW_PREFIX
# and QU_WINE_ARCH (the Wine prefix architecture their tests run in) before including it.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model: the default win32 one has no std::mutex or std::thread.
set(CMAKE_C_COMPILER ${QU_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QU_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QU_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QU_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static, so a binary needs nothing beyond the Windows system libraries.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Wide-character Windows API by default.
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")

# Tests run under Wine of the build's architecture, through a wrapper that picks its loader and
# keeps Wine's helper processes off ctest's pipes.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${QU_WINE_ARCH})
# Test lists are read when ctest runs, under the Wine server started for it, not while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
