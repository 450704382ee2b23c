#pragma once

// Builds PE images with a version resource for the version reader's tests, benchmark and fuzz
// seeds: only the structures the reader walks, laid out as a linker would.

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qu::test {

using Bytes = std::vector<std::uint8_t>;

struct StringTable {
  std::u16string name;  // language and code page as eight hex digits
  std::vector<std::pair<std::u16string, std::u16string>> strings;
};

struct VersionResource {
  std::vector<std::pair<std::uint16_t, std::uint16_t>> translations;  // language, code page
  std::vector<StringTable> tables;
};

struct PeOptions {
  Bytes resource;           // the resource's bytes, see versionInfoBytes
  std::uint32_t type = 16;  // RT_VERSION
  std::uint32_t id = 1;
  bool pe32Plus = false;
  std::size_t padding = 0;  // an extra section of this size before the resources
};

// The file offsets of what the reader walks.
struct PeImage {
  Bytes bytes;
  std::size_t resources = 0;  // the root resource directory
  std::size_t dataEntry = 0;
  std::size_t resource = 0;  // the version resource's bytes
  std::size_t resourceEnd = 0;
};

// Stores a little-endian value, growing `out` as needed.
inline void put(Bytes& out, std::size_t at, std::uint64_t value, std::size_t width) {
  if (out.size() < at + width) out.resize(at + width);
  for (std::size_t i = 0; i < width; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

namespace detail {

inline void appendText(Bytes& out, const std::u16string& text) {
  for (const char16_t c : text + u'\0') put(out, out.size(), c, 2);
}

inline void appendAligned(Bytes& out, const Bytes& part) {
  out.resize((out.size() + 3) & ~std::size_t{3});
  out.insert(out.end(), part.begin(), part.end());
}

// A node of the version tree: header, key, value and children, each part four-byte aligned.
inline Bytes block(const std::u16string& key, std::uint16_t type, const Bytes& value,
                   std::size_t valueLength, const std::vector<Bytes>& children) {
  Bytes out(6);
  appendText(out, key);
  appendAligned(out, value);
  for (const auto& child : children) appendAligned(out, child);
  put(out, 0, out.size(), 2);
  put(out, 2, valueLength, 2);
  put(out, 4, type, 2);
  return out;
}

}  // namespace detail

inline Bytes versionInfoBytes(const VersionResource& resource) {
  using detail::block;
  std::vector<Bytes> tables;
  for (const auto& table : resource.tables) {
    std::vector<Bytes> strings;
    for (const auto& [key, value] : table.strings) {
      Bytes text;
      detail::appendText(text, value);
      strings.push_back(block(key, 1, text, value.size() + 1, {}));
    }
    tables.push_back(block(table.name, 1, {}, 0, strings));
  }
  Bytes translations;
  for (const auto& [language, codePage] : resource.translations) {
    put(translations, translations.size(), language | (codePage << 16), 4);
  }
  Bytes fixed(52);
  put(fixed, 0, 0xFEEF04BD, 4);
  return block(u"VS_VERSION_INFO", 0, fixed, fixed.size(),
               {block(u"StringFileInfo", 1, {}, 0, tables),
                block(u"VarFileInfo", 1, {}, 0,
                      {block(u"Translation", 0, translations, translations.size(), {})})});
}

// Headers, the optional padding section, then the resource section: three one-entry directories
// (type, id, language), the data entry and the resource.
inline PeImage buildPe(const PeOptions& options) {
  const auto align = [](std::size_t value, std::size_t to) { return (value + to - 1) / to * to; };
  PeImage image;
  Bytes& out = image.bytes;
  put(out, 0, 'M' | ('Z' << 8), 2);
  put(out, 0x3C, 0x40, 4);
  put(out, 0x40, 'P' | ('E' << 8), 4);
  const std::size_t sections = options.padding > 0 ? 2 : 1;
  const std::size_t optionalSize = options.pe32Plus ? 240 : 224;
  put(out, 0x44, options.pe32Plus ? 0x8664 : 0x14C, 2);
  put(out, 0x46, sections, 2);
  put(out, 0x54, optionalSize, 2);
  put(out, 0x58, options.pe32Plus ? 0x20B : 0x10B, 2);
  const std::size_t directories = 0x58 + (options.pe32Plus ? 112 : 96);
  put(out, directories - 4, 16, 4);

  const std::size_t table = 0x58 + optionalSize;
  std::size_t rva = 0x1000;
  std::size_t raw = align(table + sections * 40, 0x200);
  const auto addSection = [&](std::size_t index, const std::string& name, std::size_t size) {
    const std::size_t at = table + index * 40;
    for (std::size_t i = 0; i < name.size(); ++i) put(out, at + i, name[i], 1);
    put(out, at + 8, size, 4);
    put(out, at + 12, rva, 4);
    put(out, at + 16, align(size, 0x200), 4);
    put(out, at + 20, raw, 4);
    rva += align(size, 0x1000);
    raw += align(size, 0x200);
    return raw - align(size, 0x200);
  };
  if (options.padding > 0) addSection(0, ".data", options.padding);

  const std::size_t resourceRva = rva;
  const std::size_t resourceSize = 0x58 + options.resource.size();
  image.resources = addSection(sections - 1, ".rsrc", resourceSize);
  put(out, directories + 16, resourceRva, 4);
  put(out, directories + 20, resourceSize, 4);
  const std::pair<std::uint32_t, std::uint32_t> entries[] = {
      {options.type, 0x80000018u}, {options.id, 0x80000030u}, {0x0409, 0x48}};
  for (std::size_t level = 0; level < 3; ++level) {
    put(out, image.resources + level * 0x18 + 14, 1, 2);
    put(out, image.resources + level * 0x18 + 16, entries[level].first, 4);
    put(out, image.resources + level * 0x18 + 20, entries[level].second, 4);
  }
  image.dataEntry = image.resources + 0x48;
  put(out, image.dataEntry, resourceRva + 0x58, 4);
  put(out, image.dataEntry + 4, options.resource.size(), 4);
  image.resource = image.resources + 0x58;
  image.resourceEnd = image.resource + options.resource.size();
  out.resize(image.resource);
  out.insert(out.end(), options.resource.begin(), options.resource.end());
  out.resize(raw);
  return image;
}

}  // namespace qu::test
