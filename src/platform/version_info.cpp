#include "platform/version_info.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/byte_source.h"

namespace qu {
namespace {

constexpr std::size_t kHeaderSize = 6;  // wLength, wValueLength, wType
constexpr std::uint16_t kTextType = 1;

std::size_t align4(std::size_t offset) {
  return (offset + 3) & ~std::size_t{3};
}

// One node of the resource's tree; offsets are from the start of the resource.
struct Block {
  std::u16string key;
  std::size_t value = 0;     // start of the value
  std::size_t valueEnd = 0;  // where the value's declared length ends, within the block
  std::size_t children = 0;  // start of the first child
  std::size_t end = 0;       // end of the block
};

std::optional<Block> readBlock(const ByteView& view, std::size_t offset, std::size_t limit) {
  const auto length = view.u16(offset);
  const auto valueLength = view.u16(offset + 2);
  const auto type = view.u16(offset + 4);
  if (!length || !valueLength || !type) return std::nullopt;
  if (*length < kHeaderSize || *length > limit - offset) return std::nullopt;
  Block block;
  block.end = offset + *length;
  std::size_t at = offset + kHeaderSize;
  for (;; at += 2) {
    if (at + 2 > block.end) return std::nullopt;  // a key must end inside its block
    const char16_t c = static_cast<char16_t>(*view.u16(at));
    if (c == 0) break;
    block.key.push_back(c);
  }
  block.value = std::min(align4(at + 2), block.end);
  // Text values count characters, binary values bytes.
  const std::size_t valueBytes = *type == kTextType ? *valueLength * std::size_t{2} : *valueLength;
  block.valueEnd = std::min(block.value + valueBytes, block.end);
  block.children = std::min(align4(block.valueEnd), block.end);
  return block;
}

bool keyEquals(std::u16string_view key, std::string_view wanted) {
  const auto fold = [](char16_t c) -> char16_t {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
  };
  return key.size() == wanted.size() &&
         std::equal(key.begin(), key.end(), wanted.begin(), [&](char16_t a, char b) {
           return fold(a) == fold(static_cast<unsigned char>(b));
         });
}

// The first child of `parent` whose key matches, as a path step of VerQueryValue.
std::optional<Block> findChild(const ByteView& view, const Block& parent, std::string_view key) {
  std::size_t at = parent.children;
  while (at + kHeaderSize <= parent.end) {
    const auto child = readBlock(view, at, parent.end);
    if (!child) return std::nullopt;
    if (keyEquals(child->key, key)) return child;
    at = align4(child->end);  // a child is at least a header long, so this always advances
  }
  return std::nullopt;
}

std::optional<Block> findPath(const ByteView& view, Block block,
                              std::initializer_list<std::string_view> path) {
  for (const auto step : path) {
    auto child = findChild(view, block, step);
    if (!child) return std::nullopt;
    block = std::move(*child);
  }
  return block;
}

void appendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The UTF-16 text from `begin` up to its terminating zero or `end`, as UTF-8; an unpaired
// surrogate becomes U+FFFD.
std::string textAt(const ByteView& view, std::size_t begin, std::size_t end) {
  std::vector<char16_t> units;
  for (std::size_t at = begin; at + 2 <= end; at += 2) {
    const auto unit = static_cast<char16_t>(*view.u16(at));
    if (unit == 0) break;
    units.push_back(unit);
  }
  std::string out;
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char32_t unit = units[i];
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool lowFollows =
        i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
    if (high && lowFollows) {
      appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (units[++i] - 0xDC00));
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      appendUtf8(out, 0xFFFD);
    } else {
      appendUtf8(out, unit);
    }
  }
  return out;
}

std::string blockName(std::uint16_t language, std::uint16_t codePage) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string name;
  for (const std::uint16_t part : {language, codePage}) {
    for (int shift = 12; shift >= 0; shift -= 4) name += kHex[(part >> shift) & 0xF];
  }
  return name;
}

}  // namespace

std::string versionInfoFileVersion(std::span<const std::uint8_t> resource) {
  const ByteView view(resource);
  const auto root = readBlock(view, 0, resource.size());
  if (!root) return "";
  const auto translations = findPath(view, *root, {"VarFileInfo", "Translation"});
  if (!translations) return "";
  for (std::size_t at = translations->value; at + 4 <= translations->valueEnd; at += 4) {
    const std::string name = blockName(*view.u16(at), *view.u16(at + 2));
    const auto version = findPath(view, *root, {"StringFileInfo", name, "FileVersion"});
    // The platform hands out the value up to its terminating zero, whatever length it declares.
    if (version) return textAt(view, version->value, version->end);
  }
  return "";
}

}  // namespace qu
