#pragma once

// Files on disk for the settings tests: a fresh folder per test, removed afterwards.

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "settings/ini_file.h"
#include "support/line_ends.h"
#include "support/remove_tree.h"

namespace qu::test {

class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("qu-settings-" + std::to_string(random()) + "-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() { removeTree(path_); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

inline void writeBytes(const std::filesystem::path& file, std::string_view bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// UTF-16LE bytes with a byte-order mark.
inline std::string utf16le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

inline std::filesystem::path dataFile(std::string_view name) {
  return std::filesystem::path(__FILE__).parent_path() / "data" / name;
}

inline std::filesystem::perms permissionsOf(const std::filesystem::path& file) {
  return std::filesystem::status(file).permissions();
}

// One change to an INI file: 'w' WriteString, 'i' WriteInteger, 'd' DeleteKey.
struct IniStep {
  char op;
  std::string section;
  std::string key;
  std::string value = {};
};

inline void apply(IniFile& ini, const std::vector<IniStep>& steps) {
  for (const IniStep& step : steps) {
    if (step.op == 'w') ini.WriteString(step.section, step.key, step.value);
    if (step.op == 'i') ini.WriteInteger(step.section, step.key, std::stoi(step.value));
    if (step.op == 'd') ini.DeleteKey(step.section, step.key);
  }
}

}  // namespace qu::test
