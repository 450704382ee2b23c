#pragma once

// The program keeps paths as UTF-8 text. A std::string given straight to std::filesystem::path
// is read in the ANSI code page on Windows, so every crossing goes through these two.

#include <filesystem>
#include <string>
#include <string_view>

namespace qu {

inline std::filesystem::path pathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string utf8FromPath(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace qu
