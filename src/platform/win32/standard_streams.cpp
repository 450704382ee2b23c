#include "platform/standard_streams.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/win32/wide_text.h"

namespace qu {
namespace {

HANDLE handleOf(StandardStream stream) {
  return GetStdHandle(stream == StandardStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsole(HANDLE handle) {
  DWORD mode = 0;
  return GetConsoleMode(handle, &mode) != 0;
}

}  // namespace

void writeBytes(StandardStream stream, std::string_view bytes) {
  const HANDLE handle = handleOf(stream);
  if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return;
  while (!bytes.empty()) {
    DWORD written = 0;
    const auto size = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
    if (!WriteFile(handle, bytes.data(), size, &written, nullptr) || written == 0) return;
    bytes.remove_prefix(written);
  }
}

// A console shows bytes in its own code page, which cannot hold every language's letters.
void writeText(StandardStream stream, std::string_view text) {
  const HANDLE handle = handleOf(stream);
  if (!isConsole(handle)) {
    writeBytes(stream, text);
    return;
  }
  const std::wstring wide = widen(text);
  DWORD written = 0;
  WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
}

}  // namespace qu
