#include <exception>

#include "app/main_window.h"

namespace qu {

// A link that cannot open does nothing, silently.
void TFMain::OpenURL(const std::string& address) {
  if (address.empty()) return;
  try {
    toolkit_.openUrl(address);
  } catch (const std::exception&) {
  }
}

void TFMain::L_ForumClick() {
  OpenURL(UrlForum);
}

void TFMain::L_KBaseClick() {
  OpenURL(UrlKnowBase);
}

void TFMain::openDetailsPage() {
  OpenURL(UrlSee);
}

}  // namespace qu
