#include "i18n/language_keys.h"

namespace qu {

int languageIndexOrEnglish(int stored) {
  return stored >= 0 && static_cast<std::size_t>(stored) < kLanguageSections.size() ? stored : 0;
}

std::string returnCodeKey(std::string_view code) {
  return "RC" + std::string(code);
}

}  // namespace qu
