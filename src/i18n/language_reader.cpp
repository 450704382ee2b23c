#include "i18n/language_reader.h"

#include "settings/ini_file.h"

namespace qu {

LocTexts readLocTexts(const std::filesystem::path& languageFile, std::string_view section) {
  const IniSnapshot file(languageFile);
  const std::string sectionName(section);
  return resolveLocTexts([&](std::string_view key, std::string_view defaultText) {
    return file.ReadString(sectionName, std::string(key), std::string(defaultText));
  });
}

std::string readLanguageText(const std::filesystem::path& languageFile, std::string_view section,
                             const LanguageKey& key) {
  return IniFile(languageFile)
      .ReadString(std::string(section), std::string(key.key), std::string(key.defaultText));
}

}  // namespace qu
