#pragma once

// Byte-level encodings of the files the INI engine reads and writes. Text inside the program is
// UTF-8; a file keeps the encoding it came with.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qu {

enum class TextEncoding {
  // No byte-order mark: on Windows the ANSI code page, elsewhere UTF-8, where bytes that are not
  // valid UTF-8 read as Windows-1252.
  Plain,
  Utf8Bom,
  Utf16LeBom,
};

// Told by the byte-order mark at the start of `bytes`.
TextEncoding detectEncoding(std::string_view bytes);
std::string_view byteOrderMark(TextEncoding encoding);
// Bytes per code unit: 2 for UTF-16, 1 otherwise.
std::size_t codeUnitWidth(TextEncoding encoding);

// `raw` without its byte-order mark, decoded to UTF-8. Nothing is lost for valid input; a
// stray byte of a UTF-8 file becomes its Windows-1252 character, a lone surrogate or a dangling
// odd byte of a UTF-16 file becomes U+FFFD.
std::string decodeText(std::string_view raw, TextEncoding encoding);
// A text the encoding cannot hold: a character outside the ANSI code page, for a file without a
// byte-order mark on Windows.
class UnencodableText : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// UTF-8 text in the file's encoding, without a byte-order mark. Throws UnencodableText rather
// than store a text other than the one given.
std::string encodeText(std::string_view utf8, TextEncoding encoding);

// True when `raw` holds the ASCII character `c` as the code unit starting at byte `offset`.
// Structural characters of an INI line ("=", blanks, CR, LF) are ASCII in every encoding, so
// lines can be cut in their stored bytes without decoding them.
bool isAsciiUnitAt(std::string_view raw, std::size_t offset, char c, TextEncoding encoding);

// The code point of the well-formed UTF-8 sequence at `pos` (advancing `pos` past it), or
// nothing (leaving `pos`) when the bytes there are not one.
std::optional<char32_t> nextUtf8(std::string_view text, std::size_t& pos);
void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace qu
