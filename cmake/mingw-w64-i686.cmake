# Cross build for 32-bit Windows with MinGW-w64, the program we ship; the tests run under 32-bit
# Wine where the machine runs 32-bit programs.
#   cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QU_MINGW_PREFIX i686-w64-mingw32)
set(QU_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
