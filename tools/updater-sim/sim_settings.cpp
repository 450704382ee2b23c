#include "sim_settings.h"

#include <algorithm>

#include "settings/ini_file.h"

namespace qu::sim {
namespace {

std::string trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string valueOr(const IniFile& ini, const char* section, const char* key,
                    const std::string& fallback) {
  const std::string value = ini.ReadString(section, key, "");
  return value.empty() ? fallback : value;
}

}  // namespace

std::vector<std::string> splitList(const std::string& list) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    std::string item = trimmed(list.substr(start, end - start));
    if (!item.empty()) items.push_back(std::move(item));
    start = end + 1;
  }
  return items;
}

SimSettings readSimSettings(const std::filesystem::path& file) {
  const IniFile ini(file);
  SimSettings settings;
  settings.source = valueOr(ini, "Updater", "update_srv_url0", settings.source);
  settings.tempDir = valueOr(ini, "Updater", "temporary_dir", settings.tempDir);
  settings.updatesDir = valueOr(ini, "Updater", "retranslation_dir", settings.updatesDir);
  settings.components = splitList(ini.ReadString("Retranslation", "component", ""));
  settings.builds = splitList(ini.ReadString("Retranslation", "build", ""));
  for (const std::string& application :
       splitList(ini.ReadString("Retranslation", "application", ""))) {
    settings.applicationCodes.push_back(application.substr(0, application.find(' ')));
  }
  settings.modules = ini.ReadInteger("Retranslation", "download_patches", 1) != 0;
  return settings;
}

}  // namespace qu::sim
