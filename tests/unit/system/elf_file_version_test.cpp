#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/file_version.h"
#include "platform/posix/posix_system.h"
#include "platform/version_stamp.h"

QU_STAMP_FILE_VERSION("7.6.5.4321");

namespace qu {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct ElfOptions {
  bool is64 = true;
  bool bigEndian = false;
  std::string name = ".fileversion";
  std::string content = std::string("1.2.3.4\0", 8);
  std::uint32_t type = 1;  // PROGBITS
  std::uint16_t nameTableIndex = 2;
};

// Header, the section's bytes, the name table, then the section headers: null, the section,
// the name table.
Bytes buildElf(const ElfOptions& o) {
  const std::size_t word = o.is64 ? 8 : 4;
  Bytes out;
  const auto put = [&](std::size_t at, std::uint64_t value, std::size_t width) {
    if (out.size() < at + width) out.resize(at + width);
    for (std::size_t i = 0; i < width; ++i) {
      out[at + (o.bigEndian ? width - 1 - i : i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
  };
  const std::size_t header = o.is64 ? 64 : 52;
  const std::size_t entry = o.is64 ? 64 : 40;
  out = {0x7F, 'E', 'L', 'F', std::uint8_t(o.is64 ? 2 : 1), std::uint8_t(o.bigEndian ? 2 : 1), 1};
  out.resize(header);
  const std::size_t content = out.size();
  out.insert(out.end(), o.content.begin(), o.content.end());
  const std::size_t names = out.size();
  const std::string nameTable = std::string(1, '\0') + o.name + '\0' + ".shstrtab" + '\0';
  out.insert(out.end(), nameTable.begin(), nameTable.end());
  const std::size_t table = (out.size() + 7) / 8 * 8;
  put(o.is64 ? 0x28 : 0x20, table, word);
  put(o.is64 ? 0x3A : 0x2E, entry, 2);
  put(o.is64 ? 0x3C : 0x30, 3, 2);
  put(o.is64 ? 0x3E : 0x32, o.nameTableIndex, 2);
  const auto section = [&](std::size_t index, std::uint32_t name, std::uint32_t type,
                           std::size_t offset, std::size_t size) {
    const std::size_t at = table + index * entry;
    put(at, name, 4);
    put(at + 4, type, 4);
    put(at + (o.is64 ? 24 : 16), offset, word);
    put(at + (o.is64 ? 32 : 20), size, word);
  };
  section(0, 0, 0, 0, 0);
  section(1, 1, o.type, content, o.content.size());
  section(2, static_cast<std::uint32_t>(o.name.size() + 2), 3, names, nameTable.size());
  out.resize(table + 3 * entry);
  return out;
}

struct ElfCase {
  const char* what;
  ElfOptions options;
  std::string expected;
};

TEST(ElfFileVersion, ReadsTheStampedSection) {
  const ElfCase cases[] = {
      {"64-bit little-endian", {}, "1.2.3.4"},
      {"32-bit big-endian", {.is64 = false, .bigEndian = true}, "1.2.3.4"},
      {"text up to the first zero", {.content = std::string("9.9\0rest", 8)}, "9.9"},
      {"no zero: the whole section", {.content = "5.5.5.5"}, "5.5.5.5"},
      {"a longer name is another section", {.name = ".fileversions"}, ""},
      {"section without bytes in the file", {.type = 8}, ""},
      {"name table index out of range", {.nameTableIndex = 3}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fileVersionOfBytes(buildElf(c.options)), c.expected) << c.what;
  }
}

TEST(ElfFileVersion, TruncatedAtEveryOffset) {
  const Bytes image = buildElf({});
  for (std::size_t cut = 0; cut < image.size(); ++cut) {
    ASSERT_EQ(fileVersionOfBytes(std::span(image.data(), cut)), "") << "cut at " << cut;
  }
}

TEST(ElfFileVersion, ReadsRealBinaries) {
  PosixSystem system;
  const std::string self = system.ownExecutablePath();
  EXPECT_TRUE(self.ends_with("/system_tests")) << self;
  EXPECT_EQ(system.FileVersionText(self), "7.6.5.4321");
  EXPECT_EQ(system.FileVersionText("/bin/sh"), "") << "a program without a stamp";
}

}  // namespace
}  // namespace qu
