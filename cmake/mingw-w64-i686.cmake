# Cross build for 32-bit Windows with MinGW-w64; the tests run under Wine.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(QU_MINGW_PREFIX i686-w64-mingw32)
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

# Tests run under Wine, through a wrapper that keeps its helper processes off ctest's pipes.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
# Test lists are read when ctest runs, under the Wine server started for it, not while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
