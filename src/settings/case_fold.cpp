#include "settings/case_fold.h"

#include "settings/text_encoding.h"

namespace qu {
namespace {

bool inRange(char32_t cp, char32_t first, char32_t last) {
  return cp >= first && cp <= last;
}

// Latin Extended-A pairs a capital with the small letter after it; the pairs start on an even
// code point except in the two runs that start on an odd one.
char32_t foldLatinExtendedA(char32_t cp) {
  if (cp == 0x0130 || cp == 0x0131 || cp == 0x0138 || cp == 0x0149 || cp == 0x017F) return cp;
  if (cp == 0x0178) return 0x00FF;
  bool oddPairs = inRange(cp, 0x0139, 0x0148) || inRange(cp, 0x0179, 0x017E);
  bool capital = oddPairs ? cp % 2 == 1 : cp % 2 == 0;
  return capital ? cp + 1 : cp;
}

char32_t foldGreek(char32_t cp) {
  if (cp == 0x0386) return 0x03AC;
  if (inRange(cp, 0x0388, 0x038A)) return cp + 0x25;
  if (cp == 0x038C) return 0x03CC;
  if (inRange(cp, 0x038E, 0x038F)) return cp + 0x3F;
  if (inRange(cp, 0x0391, 0x03AB) && cp != 0x03A2) return cp + 0x20;
  return cp;
}

char32_t foldCodePoint(char32_t cp) {
  if (inRange(cp, 'A', 'Z')) return cp + 0x20;
  if (cp < 0x80) return cp;
  if (inRange(cp, 0x00C0, 0x00DE) && cp != 0x00D7) return cp + 0x20;
  if (inRange(cp, 0x0100, 0x017F)) return foldLatinExtendedA(cp);
  if (inRange(cp, 0x0386, 0x03AB)) return foldGreek(cp);
  if (inRange(cp, 0x0400, 0x040F)) return cp + 0x50;
  if (inRange(cp, 0x0410, 0x042F)) return cp + 0x20;
  return cp;
}

}  // namespace

std::string foldCase(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    if (auto cp = nextUtf8(utf8, pos)) {
      appendUtf8(out, foldCodePoint(*cp));
    } else {
      out.push_back(utf8[pos++]);
    }
  }
  return out;
}

}  // namespace qu
