#pragma once

// The language file's name and sections, and the keys read outside Loc, each at the moment its
// message is shown.

#include <array>
#include <string>
#include <string_view>

namespace qu {

inline constexpr std::string_view kLanguageFileName = "quintarisupdater.loc";
// The selector's entries, in index order; each names its section of the language file.
inline constexpr std::array<std::string_view, 3> kLanguageSections = {"English", "Russian",
                                                                      "Deutsch"};

// The selector's entry for a stored index: one outside the list is English.
int languageIndexOrEnglish(int stored);

struct LanguageKey {
  std::string_view key;
  std::string_view defaultText;
};

// The update-all warning.
inline constexpr LanguageKey kInfo7 = {
    "info7",
    "The total size of downloads is too large. The download process may become unlimited."};
// An Administration Kit version ticked without a product it manages (two blanks before
// "Select" are original).
inline constexpr LanguageKey kInfo20 = {
    "info20",
    "Products which will update through Quintaris Administration Kit are not selected.  Select "
    "the necessary product and try once again."};

// The key translating the updater's message for a return code: "RC" followed by the code as
// the run log gives it ("19" -> "RC19"). Its default is the updater's own message.
std::string returnCodeKey(std::string_view code);

}  // namespace qu
