#include "platform/qt/key_letters.h"

#include <string_view>

namespace qu {
namespace {

// The three letter rows of a US keyboard and the XKB key code of each row's first key, as the
// X11 and Wayland platforms report it in nativeScanCode.
struct KeyRow {
  quint32 firstCode;
  std::string_view letters;
};
constexpr KeyRow kRows[] = {{24, "QWERTYUIOP"}, {38, "ASDFGHJKL"}, {52, "ZXCVBNM"}};

int letterAtKeyCode(quint32 code) {
  for (const KeyRow& row : kRows) {
    if (code >= row.firstCode && code < row.firstCode + row.letters.size()) {
      return row.letters[code - row.firstCode];
    }
  }
  return 0;
}

}  // namespace

int letterKey(const QKeyEvent& event) {
  const int key = event.key();
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;
  return letterAtKeyCode(event.nativeScanCode());
}

}  // namespace qu
