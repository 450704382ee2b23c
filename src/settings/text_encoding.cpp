#include "settings/text_encoding.h"

#include <array>

#ifdef _WIN32
#include "platform/ansi_code_page.h"
#endif

namespace qu {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr char32_t kReplacement = 0xFFFD;

// Windows-1252 at 0x80..0x9F; its five unassigned bytes keep their C1 code points, as the
// platform's own conversion does. From 0xA0 on the code page equals Latin-1.
constexpr std::array<char32_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t fromCp1252(unsigned char byte) {
  return byte >= 0x80 && byte < 0xA0 ? kCp1252High[byte - 0x80] : char32_t{byte};
}

unsigned char byteAt(std::string_view text, std::size_t pos) {
  return static_cast<unsigned char>(text[pos]);
}

// One code point of UTF-8 text, a stray byte standing for its Windows-1252 character.
char32_t nextLenient(std::string_view text, std::size_t& pos) {
  if (auto cp = nextUtf8(text, pos)) return *cp;
  return fromCp1252(byteAt(text, pos++));
}

std::string decodeUtf8Lenient(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  for (std::size_t pos = 0; pos < raw.size();) appendUtf8(out, nextLenient(raw, pos));
  return out;
}

char16_t unitAt(std::string_view raw, std::size_t offset) {
  return static_cast<char16_t>(byteAt(raw, offset) | (byteAt(raw, offset + 1) << 8));
}

bool isHighSurrogate(char32_t unit) {
  return unit >= 0xD800 && unit < 0xDC00;
}
bool isLowSurrogate(char32_t unit) {
  return unit >= 0xDC00 && unit < 0xE000;
}

std::string decodeUtf16Le(std::string_view raw) {
  std::string out;
  out.reserve(raw.size());
  std::size_t pos = 0;
  for (; pos + 1 < raw.size(); pos += 2) {
    char32_t unit = unitAt(raw, pos);
    if (isHighSurrogate(unit) && pos + 3 < raw.size() && isLowSurrogate(unitAt(raw, pos + 2))) {
      char32_t low = unitAt(raw, pos + 2);
      appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
      pos += 2;
    } else {
      appendUtf8(out, isHighSurrogate(unit) || isLowSurrogate(unit) ? kReplacement : unit);
    }
  }
  if (pos < raw.size()) appendUtf8(out, kReplacement);
  return out;
}

void appendUtf16Unit(std::string& out, char32_t unit) {
  out.push_back(static_cast<char>(unit & 0xFF));
  out.push_back(static_cast<char>((unit >> 8) & 0xFF));
}

std::string encodeUtf16Le(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size() * 2);
  for (std::size_t pos = 0; pos < utf8.size();) {
    char32_t cp = nextLenient(utf8, pos);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      appendUtf16Unit(out, 0xD800 + (cp >> 10));
      appendUtf16Unit(out, 0xDC00 + (cp & 0x3FF));
    } else {
      appendUtf16Unit(out, cp);
    }
  }
  return out;
}

// Files without a byte-order mark are in the encoding the platform's own programs use for them.
#ifdef _WIN32
std::string decodePlain(std::string_view raw) {
  return ansiToUtf8(raw);
}
std::string encodePlain(std::string_view utf8) {
  if (auto ansi = utf8ToAnsi(utf8)) return *std::move(ansi);
  throw UnencodableText("The text has characters that the system's code page cannot hold");
}
#else
std::string decodePlain(std::string_view raw) {
  return decodeUtf8Lenient(raw);
}
std::string encodePlain(std::string_view utf8) {
  return std::string(utf8);
}
#endif

}  // namespace

TextEncoding detectEncoding(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Bom)) return TextEncoding::Utf8Bom;
  if (bytes.starts_with(kUtf16LeBom)) return TextEncoding::Utf16LeBom;
  return TextEncoding::Plain;
}

std::string_view byteOrderMark(TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf8Bom:
      return kUtf8Bom;
    case TextEncoding::Utf16LeBom:
      return kUtf16LeBom;
    case TextEncoding::Plain:
      break;
  }
  return {};
}

std::size_t codeUnitWidth(TextEncoding encoding) {
  return encoding == TextEncoding::Utf16LeBom ? 2 : 1;
}

std::string decodeText(std::string_view raw, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16LeBom:
      return decodeUtf16Le(raw);
    case TextEncoding::Utf8Bom:
      return decodeUtf8Lenient(raw);
    case TextEncoding::Plain:
      break;
  }
  return decodePlain(raw);
}

std::string encodeText(std::string_view utf8, TextEncoding encoding) {
  switch (encoding) {
    case TextEncoding::Utf16LeBom:
      return encodeUtf16Le(utf8);
    case TextEncoding::Utf8Bom:
      return std::string(utf8);
    case TextEncoding::Plain:
      break;
  }
  return encodePlain(utf8);
}

bool isAsciiUnitAt(std::string_view raw, std::size_t offset, char c, TextEncoding encoding) {
  if (encoding != TextEncoding::Utf16LeBom) return offset < raw.size() && raw[offset] == c;
  return offset % 2 == 0 && offset + 1 < raw.size() && raw[offset] == c && raw[offset + 1] == 0;
}

std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos) {
  unsigned char lead = byteAt(text, pos);
  if (lead < 0x80) {
    ++pos;
    return char32_t{lead};
  }
  std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || lead > 0xF4 || pos + length > text.size()) return std::nullopt;
  char32_t cp = lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    unsigned char next = byteAt(text, pos + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
  bool surrogate = cp >= 0xD800 && cp < 0xE000;
  if (cp < kSmallest[length] || cp > 0x10FFFF || surrogate) return std::nullopt;
  pos += length;
  return cp;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

}  // namespace qu
