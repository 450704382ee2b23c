#include "i18n/language_keys.h"

namespace qu {

std::string returnCodeKey(std::string_view code) {
  return "RC" + std::string(code);
}

}  // namespace qu
