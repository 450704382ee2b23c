#include "platform/pe_resource.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace qu {
namespace {

constexpr std::uint32_t kRtVersion = 16;
constexpr std::uint32_t kVersionId = 1;
constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kSectionHeaderSize = 40;
constexpr std::size_t kDirectoryHeaderSize = 16;
constexpr std::size_t kDirectoryEntrySize = 8;
constexpr std::size_t kResourceDirectoryIndex = 2;
// A version resource starts with its own 16-bit length, so it is never larger.
constexpr std::size_t kMaxVersionResource = 0xFFFF;

struct Section {
  std::uint32_t virtualAddress = 0;
  std::uint32_t virtualSize = 0;
  std::uint32_t rawSize = 0;
  std::uint32_t rawOffset = 0;
};

// What the image maps where: relative virtual addresses are turned into file offsets here.
class Image {
 public:
  Image(ByteSource& source, std::vector<Section> sections)
      : source_(source), sections_(std::move(sections)) {}

  // Only bytes backed by the file count: a range reaching into a section's zero-filled tail or
  // across sections fails.
  std::optional<Bytes> readRva(std::uint64_t rva, std::size_t length) {
    for (const auto& s : sections_) {
      const std::uint64_t mapped = std::max(s.virtualSize, s.rawSize);
      if (rva < s.virtualAddress || rva >= s.virtualAddress + mapped) continue;
      const std::uint64_t inSection = rva - s.virtualAddress;
      if (inSection + length > s.rawSize) return std::nullopt;
      return source_.read(s.rawOffset + inSection, length);
    }
    return std::nullopt;
  }

 private:
  ByteSource& source_;
  std::vector<Section> sections_;
};

struct Headers {
  std::uint64_t sectionTable = 0;
  std::uint16_t sectionCount = 0;
  std::uint32_t resourceRva = 0;
};

std::optional<Headers> readHeaders(ByteSource& source) {
  const auto dos = source.read(0, 64);
  if (!dos || (*dos)[0] != 'M' || (*dos)[1] != 'Z') return std::nullopt;
  const std::uint32_t peOffset = *ByteView(*dos).u32(0x3C);
  const auto file = source.read(peOffset, 24);
  if (!file || !std::equal(file->begin(), file->begin() + 4, "PE\0\0")) return std::nullopt;
  const ByteView fileView(*file);
  const std::uint16_t optionalSize = *fileView.u16(20);
  const auto optional = source.read(peOffset + 24ull, optionalSize);
  if (!optional) return std::nullopt;
  const ByteView view(*optional);
  const auto magic = view.u16(0);
  if (!magic || (*magic != 0x10B && *magic != 0x20B)) return std::nullopt;
  const bool plus = *magic == 0x20B;
  const auto directoryCount = view.u32(plus ? 108 : 92);
  const auto resourceRva = view.u32((plus ? 112 : 96) + kResourceDirectoryIndex * 8);
  if (!directoryCount || *directoryCount <= kResourceDirectoryIndex || !resourceRva) {
    return std::nullopt;
  }
  return Headers{peOffset + 24ull + optionalSize, *fileView.u16(6), *resourceRva};
}

std::optional<std::vector<Section>> readSections(ByteSource& source, const Headers& headers) {
  const auto table = source.read(headers.sectionTable, headers.sectionCount * kSectionHeaderSize);
  if (!table) return std::nullopt;
  const ByteView view(*table);
  std::vector<Section> sections;
  for (std::size_t at = 0; at < table->size(); at += kSectionHeaderSize) {
    sections.push_back(
        {*view.u32(at + 12), *view.u32(at + 8), *view.u32(at + 16), *view.u32(at + 20)});
  }
  return sections;
}

// The OffsetToData of an entry of the resource directory at `directory` (relative to the
// resource base): the entry with integer id `id`, or the first entry when no id is asked for.
std::optional<std::uint32_t> findEntry(Image& image, std::uint64_t base, std::uint32_t directory,
                                       std::optional<std::uint32_t> id) {
  const auto header = image.readRva(base + directory, kDirectoryHeaderSize);
  if (!header) return std::nullopt;
  const ByteView headerView(*header);
  const std::size_t named = *headerView.u16(12);
  const std::size_t total = named + *headerView.u16(14);
  if (total == 0) return std::nullopt;
  if (!id) {
    const auto first = image.readRva(base + directory + kDirectoryHeaderSize, kDirectoryEntrySize);
    if (!first) return std::nullopt;
    return ByteView(*first).u32(4);
  }
  const auto entries =
      image.readRva(base + directory + kDirectoryHeaderSize, total * kDirectoryEntrySize);
  if (!entries) return std::nullopt;
  const ByteView view(*entries);
  // Named entries come first; only the ones after them carry integer ids.
  for (std::size_t i = named; i < total; ++i) {
    if (*view.u32(i * kDirectoryEntrySize) == *id) return view.u32(i * kDirectoryEntrySize + 4);
  }
  return std::nullopt;
}

std::optional<std::uint32_t> subdirectory(std::optional<std::uint32_t> offsetToData) {
  if (!offsetToData || (*offsetToData & kHighBit) == 0) return std::nullopt;
  return *offsetToData & ~kHighBit;
}

}  // namespace

std::optional<Bytes> peVersionResource(ByteSource& source) {
  const auto headers = readHeaders(source);
  if (!headers || headers->resourceRva == 0) return std::nullopt;
  auto sections = readSections(source, *headers);
  if (!sections) return std::nullopt;
  Image image(source, std::move(*sections));
  const std::uint64_t base = headers->resourceRva;
  const auto names = subdirectory(findEntry(image, base, 0, kRtVersion));
  if (!names) return std::nullopt;
  const auto languages = subdirectory(findEntry(image, base, *names, kVersionId));
  if (!languages) return std::nullopt;
  const auto dataEntry = findEntry(image, base, *languages, std::nullopt);
  if (!dataEntry || (*dataEntry & kHighBit) != 0) return std::nullopt;
  const auto data = image.readRva(base + *dataEntry, 8);
  if (!data) return std::nullopt;
  const ByteView view(*data);
  const std::size_t size = std::min<std::size_t>(*view.u32(4), kMaxVersionResource);
  return image.readRva(*view.u32(0), size);
}

}  // namespace qu
