#include "platform/elf_version.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qu {
namespace {

constexpr std::string_view kSectionName = ".fileversion";
constexpr std::size_t kMaxVersionLength = 256;
constexpr std::uint32_t kNoBits = 8;  // SHT_NOBITS: the section has no bytes in the file
constexpr std::uint16_t kExtendedIndex = 0xFFFF;  // SHN_XINDEX

// What differs between the two classes: sizes, and offsets of header and section fields.
struct Layout {
  std::size_t headerSize;
  std::size_t tableOffsetField;  // e_shoff
  std::size_t entrySizeField;    // e_shentsize
  std::size_t countField;        // e_shnum
  std::size_t nameIndexField;    // e_shstrndx
  std::size_t entrySize;         // of one section header
  std::size_t wordSize;          // of addresses, offsets and sizes
  std::size_t offsetField;       // sh_offset
  std::size_t sizeField;         // sh_size
  std::size_t linkField;         // sh_link
};
constexpr Layout kElf32{52, 0x20, 0x2E, 0x30, 0x32, 40, 4, 16, 20, 24};
constexpr Layout kElf64{64, 0x28, 0x3A, 0x3C, 0x3E, 64, 8, 24, 32, 40};

struct SectionHeader {
  std::uint32_t name = 0;
  std::uint32_t type = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
  std::uint32_t link = 0;
};

class Reader {
 public:
  Reader(ByteSource& source, const Layout& layout, bool bigEndian)
      : source_(source), layout_(layout), bigEndian_(bigEndian) {}

  std::string fileVersion() {
    const auto header = source_.read(0, layout_.headerSize);
    if (!header) return "";
    const ByteView view(*header, bigEndian_);
    const std::uint64_t tableOffset = *view.unsignedAt(layout_.tableOffsetField, layout_.wordSize);
    const std::size_t entrySize = *view.u16(layout_.entrySizeField);
    std::size_t count = *view.u16(layout_.countField);
    std::size_t nameIndex = *view.u16(layout_.nameIndexField);
    if (tableOffset == 0 || entrySize < layout_.entrySize) return "";
    // Past 0xFF00 sections the real count and name table index live in section 0.
    const auto first = firstSection(tableOffset);
    if (!first) return "";
    if (count == 0)
      count = static_cast<std::size_t>(std::min<std::uint64_t>(first->size, SIZE_MAX));
    if (nameIndex == kExtendedIndex) nameIndex = first->link;
    if (nameIndex >= count || count > ByteSource::kMaxRead / entrySize) return "";
    const auto table = source_.read(tableOffset, count * entrySize);
    if (!table) return "";
    const auto names = nameTable(*table, entrySize, nameIndex);
    if (!names) return "";
    for (std::size_t i = 0; i < count; ++i) {
      const auto candidate = sectionAt(*table, entrySize, i);
      if (candidate && isNamed(*names, candidate->name)) return text(*candidate);
    }
    return "";
  }

 private:
  std::optional<SectionHeader> firstSection(std::uint64_t tableOffset) {
    const auto bytes = source_.read(tableOffset, layout_.entrySize);
    if (!bytes) return std::nullopt;
    return sectionAt(*bytes, layout_.entrySize, 0);
  }

  std::optional<SectionHeader> sectionAt(const Bytes& table, std::size_t entrySize,
                                         std::size_t index) const {
    const ByteView view(table, bigEndian_);
    const std::size_t at = index * entrySize;
    if (!view.contains(at, layout_.entrySize)) return std::nullopt;
    return SectionHeader{*view.u32(at), *view.u32(at + 4),
                         *view.unsignedAt(at + layout_.offsetField, layout_.wordSize),
                         *view.unsignedAt(at + layout_.sizeField, layout_.wordSize),
                         *view.u32(at + layout_.linkField)};
  }

  // Read once, so a hostile section count costs one bounded read, not a read per section.
  std::optional<Bytes> nameTable(const Bytes& table, std::size_t entrySize, std::size_t index) {
    const auto names = sectionAt(table, entrySize, index);
    if (!names || names->type == kNoBits) return std::nullopt;
    const auto length = std::min<std::uint64_t>(names->size, ByteSource::kMaxRead);
    return source_.read(names->offset, static_cast<std::size_t>(length));
  }

  static bool isNamed(const Bytes& names, std::uint32_t nameOffset) {
    const std::size_t length = kSectionName.size() + 1;
    if (nameOffset > names.size() || length > names.size() - nameOffset) return false;
    const auto name = names.begin() + nameOffset;
    return std::equal(kSectionName.begin(), kSectionName.end(), name) && name[length - 1] == 0;
  }

  std::string text(const SectionHeader& section) {
    if (section.type == kNoBits) return "";
    const auto length =
        static_cast<std::size_t>(std::min<std::uint64_t>(section.size, kMaxVersionLength));
    const auto bytes = source_.read(section.offset, length);
    if (!bytes) return "";
    const auto end = std::find(bytes->begin(), bytes->end(), 0);
    return std::string(bytes->begin(), end);
  }

  ByteSource& source_;
  const Layout& layout_;
  bool bigEndian_;
};

}  // namespace

std::string elfFileVersion(ByteSource& source) {
  const auto ident = source.read(0, 6);
  if (!ident || !std::equal(ident->begin(), ident->begin() + 4,
                            "\x7F"
                            "ELF"))
    return "";
  const std::uint8_t elfClass = (*ident)[4];
  const std::uint8_t encoding = (*ident)[5];
  if ((elfClass != 1 && elfClass != 2) || (encoding != 1 && encoding != 2)) return "";
  return Reader(source, elfClass == 1 ? kElf32 : kElf64, encoding == 2).fileVersion();
}

}  // namespace qu
