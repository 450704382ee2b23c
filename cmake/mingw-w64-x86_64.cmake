# Cross build for 64-bit Windows with MinGW-w64: the same code and tests, run under 64-bit Wine
# on any machine of ours, which keeps the Win32 code clean in 64 bits.
#   cmake -S . -B build-win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QU_MINGW_PREFIX x86_64-w64-mingw32)
set(QU_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
