#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "platform/file_version.h"
#include "unit/system/pe_image_builder.h"
#include "unit/system/system_test_support.h"

namespace qu {
namespace {

using namespace std::string_literals;
using test::buildPe;
using test::PeImage;
using test::PeOptions;
using test::StringTable;
using test::VersionResource;

constexpr std::pair<std::uint16_t, std::uint16_t> kUsUnicode{0x0409, 0x04B0};
constexpr std::pair<std::uint16_t, std::uint16_t> kGermanAnsi{0x0407, 0x04E4};

std::string versionOf(const PeImage& image) {
  return fileVersionOfBytes(image.bytes);
}

PeImage imageWith(const VersionResource& resource) {
  return buildPe({.resource = test::versionInfoBytes(resource)});
}

PeImage typicalImage() {
  return imageWith({{kUsUnicode}, {{u"040904b0", {{u"FileVersion", u"1.0.3.27"}}}}});
}

struct TranslationCase {
  const char* what;
  VersionResource resource;
  std::string expected;
};

TEST(PeFileVersion, FollowsTheTranslationTable) {
  const TranslationCase cases[] = {
      {"first translation without FileVersion, second with",
       {{kUsUnicode, kGermanAnsi},
        {{u"040904b0", {{u"CompanyName", u"Quintaris"}}},
         {u"040704e4", {{u"FileVersion", u"2.0"}}}}},
       "2.0"},
      {"both have it: table order wins over file order",
       {{kGermanAnsi, kUsUnicode},
        {{u"040904b0", {{u"FileVersion", u"1.0"}}}, {u"040704e4", {{u"FileVersion", u"2.0"}}}}},
       "2.0"},
      {"block name in upper case",
       {{kUsUnicode}, {{u"040904B0", {{u"FileVersion", u"3.0"}}}}},
       "3.0"},
      {"key in another case",
       {{kUsUnicode}, {{u"040904b0", {{u"ProductName", u"x"}, {u"FILEVERSION", u"3.1"}}}}},
       "3.1"},
      {"string table not in the translation table",
       {{kUsUnicode}, {{u"040704e4", {{u"FileVersion", u"4.0"}}}}},
       ""},
      {"empty translation table", {{}, {{u"040904b0", {{u"FileVersion", u"5.0"}}}}}, ""},
      {"non-ASCII text",
       {{kUsUnicode}, {{u"040904b0", {{u"FileVersion", u"1.0 \u00DF \U0001F600"}}}}},
       "1.0 \xC3\x9F \xF0\x9F\x98\x80"s},
      {"value read up to its terminating zero",
       {{kUsUnicode}, {{u"040904b0", {{u"FileVersion", u"1.2\0junk"s}}}}},
       "1.2"},
      {"unpaired surrogate",
       {{kUsUnicode}, {{u"040904b0", {{u"FileVersion", u"6\xD800"s}}}}},
       "6\xEF\xBF\xBD"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(versionOf(imageWith(c.resource)), c.expected) << c.what;
  }
}

TEST(PeFileVersion, ReadsOnlyTheVersionEntryWithIdOne) {
  const auto resource =
      test::versionInfoBytes({{kUsUnicode}, {{u"040904b0", {{u"FileVersion", u"1.0"}}}}});
  EXPECT_EQ(versionOf(buildPe({.resource = resource})), "1.0");
  EXPECT_EQ(versionOf(buildPe({.resource = resource, .pe32Plus = true})), "1.0");
  EXPECT_EQ(versionOf(buildPe({.resource = resource, .type = 24})), "") << "a manifest";
  EXPECT_EQ(versionOf(buildPe({.resource = resource, .id = 2})), "");
}

// Every prefix of a file, as a copy cut short while it was written would leave it.
TEST(PeFileVersion, TruncatedAtEveryOffset) {
  const PeImage image = typicalImage();
  for (std::size_t cut = 0; cut < image.bytes.size(); ++cut) {
    const std::span<const std::uint8_t> prefix(image.bytes.data(), cut);
    ASSERT_EQ(fileVersionOfBytes(prefix), cut >= image.resourceEnd ? "1.0.3.27" : "")
        << "cut at " << cut;
  }
}

// The header of the version block with this key.
std::size_t blockOf(const PeImage& image, const std::u16string& key) {
  std::vector<std::uint8_t> pattern;
  for (const char16_t c : key)
    pattern.insert(pattern.end(), {std::uint8_t(c), std::uint8_t(c >> 8)});
  const auto found =
      std::search(image.bytes.begin(), image.bytes.end(), pattern.begin(), pattern.end());
  return static_cast<std::size_t>(found - image.bytes.begin()) - 6;
}

// One field overwritten: where, with what, how wide.
struct Damage {
  const char* what;
  std::function<std::size_t(const PeImage&)> at;
  std::uint64_t value;
  std::size_t width;
};

TEST(PeFileVersion, HostileStructuresGiveNothing) {
  using I = const PeImage&;
  const Damage damages[] = {
      {"PE header far outside", [](I) { return 0x3C; }, 0xFFFFFFF0, 4},
      {"65535 sections", [](I) { return 0x46; }, 0xFFFF, 2},
      {"65535 resource entries", [](I i) { return i.resources + 14; }, 0xFFFF, 2},
      {"id directory leads back to the root", [](I i) { return i.resources + 0x2C; }, 0x80000000,
       4},
      {"data entry marked as a directory", [](I i) { return i.resources + 0x44; }, 0x80000048, 4},
      {"data larger than its section", [](I i) { return i.dataEntry + 4; }, 0xFFFFFFFF, 4},
      {"data outside every section", [](I i) { return i.dataEntry; }, 0x7FFFFFF0, 4},
      {"version length zero", [](I i) { return i.resource; }, 0, 2},
      {"version longer than its data", [](I i) { return i.resource; }, 0xFFFF, 2},
      {"string block of length zero", [](I i) { return blockOf(i, u"StringFileInfo"); }, 0, 2},
      {"translation block of length zero", [](I i) { return blockOf(i, u"VarFileInfo"); }, 0, 2},
      {"key without its terminating zero", [](I i) { return blockOf(i, u"FileVersion"); }, 16, 2},
  };
  for (const auto& damage : damages) {
    PeImage image = typicalImage();
    test::put(image.bytes, damage.at(image), damage.value, damage.width);
    EXPECT_EQ(versionOf(image), "") << damage.what;
  }
}

TEST(PeFileVersion, ReadsFromFiles) {
  const test::TempFolder folder;
  const PeImage image = typicalImage();
  const std::string path =
      folder.write("Updater.exe", std::string(image.bytes.begin(), image.bytes.end()));
  EXPECT_EQ(fileVersionOfFile(path), "1.0.3.27");
  EXPECT_EQ(fileVersionOfFile(folder.write("notes.txt", "MZ but nothing more")), "");
  EXPECT_EQ(fileVersionOfFile(folder.file("missing.exe")), "");
  EXPECT_EQ(fileVersionOfFile(folder.path()), "");
  EXPECT_EQ(fileVersionOfFile(""), "");
}

}  // namespace
}  // namespace qu
