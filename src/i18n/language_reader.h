#pragma once

// Reading the language file. Every call reads the file once and lets it go again, so an edited
// file counts from the next call on. A missing file, section or key gives the default; a key
// present with an empty value gives "".

#include <filesystem>
#include <string>
#include <string_view>

#include "i18n/language_keys.h"
#include "i18n/loc_texts.h"

namespace qu {

// All texts of Loc from `section` of `languageFile`.
LocTexts readLocTexts(const std::filesystem::path& languageFile, std::string_view section);

// One text read outside Loc (info7, info20, "RC" + code).
std::string readLanguageText(const std::filesystem::path& languageFile, std::string_view section,
                             const LanguageKey& key);

}  // namespace qu
