#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <ostream>
#include <string>

#include "settings/ini_file.h"
#include "settings/integer_text.h"
#include "settings_test_files.h"

namespace qu {
namespace {

using test::TempFolder;
using test::utf16le;
using test::writeBytes;

constexpr const char* kDefault = "<default>";

struct ReadCase {
  const char* name;
  std::string file;
  std::string section;
  std::string key;
  std::string expected;
  friend void PrintTo(const ReadCase& c, std::ostream* out) { *out << c.name; }
};

class IniReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(IniReadTest, ReadsValue) {
  const ReadCase& c = GetParam();
  TempFolder folder;
  writeBytes(folder / "file.ini", c.file);
  IniFile ini(folder / "file.ini");
  EXPECT_EQ(ini.ReadString(c.section, c.key, kDefault), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Semantics, IniReadTest,
    testing::Values(
        ReadCase{"NamesIgnoreCaseAndBlanks", "[ Updater ]\n\tProxy_URL  =  host  \n", "updater",
                 " proxy_url ", "host"},
        ReadCase{"AbsentKey", "[S]\nk=1\n", "S", "other", kDefault},
        ReadCase{"AbsentSection", "[S]\nk=1\n", "T", "k", kDefault},
        ReadCase{"EmptyValueIsNotDefault", "[S]\nk=\n", "S", "k", ""},
        ReadCase{"DoubleQuotesRemoved", "[S]\nk= \"a b \" \n", "S", "k", "a b "},
        ReadCase{"SingleQuotesRemoved", "[S]\nk='a'\n", "S", "k", "a"},
        ReadCase{"OnlyOnePairRemoved", "[S]\nk=\"\"x\"\"\n", "S", "k", "\"x\""},
        ReadCase{"QuoteOnOneSideStays", "[S]\nk=\"abc\n", "S", "k", "\"abc"},
        ReadCase{"ValueAfterFirstEquals", "[S]\nk=a=b\n", "S", "k", "a=b"},
        ReadCase{"FirstDuplicateSectionWins", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "k", "1"},
        ReadCase{"LaterDuplicateSectionUnreached", "[S]\nk=1\n[s]\nk=2\nj=3\n", "S", "j", kDefault},
        ReadCase{"FirstDuplicateKeyWins", "[S]\nk=1\nK=2\n", "S", "k", "1"},
        ReadCase{"LineWithoutEqualsIsNoKey", "[S]\nk\nk=2\n", "S", "k", "2"},
        ReadCase{"BracketWithoutCloseOpensSection", "[S\nk=1\n", "S", "k", "1"},
        ReadCase{"KeysBeforeFirstSectionUnreached", "k=1\n[S]\n", "", "k", kDefault},
        ReadCase{"CommentsAreNoKeys", "[S]\n;k=1\n  # k=2\nk=3\n", "S", "k", "3"},
        ReadCase{"CrLfLines", "[S]\r\nk=v\r\nj=w\r\n", "S", "k", "v"},
        ReadCase{"CrOnlyLines", "[S]\rk=v\rj=w\r", "S", "j", "w"},
        ReadCase{"Utf8ByteOrderMark", "\xEF\xBB\xBF[S]\nk=v\n", "S", "k", "v"},
        ReadCase{"StrayBytesAreWindows1252", "[S]\nk=caf\xE9 \x80\n", "S", "k",
                 "caf\xC3\xA9 \xE2\x82\xAC"},
        ReadCase{"NonAsciiNamesIgnoreCase", "\xEF\xBB\xBF[\xC3\x84rger]\n\xD0\x9A\xD0\x9B=1\n",
                 "\xC3\xA4RGER", "\xD0\xBA\xD0\xBB", "1"},
        ReadCase{"Utf16LittleEndian", utf16le(u"[S]\r\nk = Gr\u00FC\u00DFe\r\n"), "s", "K",
                 "Gr\xC3\xBC\xC3\x9F\x65"},
        ReadCase{"LongValueNotCut", "[S]\nk=" + std::string(5000, 'x') + "\n", "S", "k",
                 std::string(5000, 'x')}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(IniRead, MissingFileOrFolderGivesDefault) {
  TempFolder folder;
  EXPECT_EQ(IniFile(folder / "absent.ini").ReadString("S", "k", "d"), "d");
  EXPECT_EQ(IniFile(folder.path()).ReadString("S", "k", "d"), "d");
  EXPECT_EQ(IniFile(folder / "absent.ini").ReadInteger("S", "k", 7), 7);
}

TEST(IniRead, IntegerValuesAreReadAsText) {
  TempFolder folder;
  writeBytes(folder / "file.ini", "[S]\nplain=  42  \nquoted=\"-7\"\nempty=\nword=yes\n");
  IniFile ini(folder / "file.ini");
  EXPECT_EQ(ini.ReadInteger("S", "plain", 0), 42);
  EXPECT_EQ(ini.ReadInteger("S", "quoted", 0), -7);
  EXPECT_EQ(ini.ReadInteger("S", "empty", 5), 5);
  EXPECT_EQ(ini.ReadInteger("S", "word", 5), 5);
}

// One read for many keys: later changes to the file reach the next snapshot, not this one.
TEST(IniSnapshot, AnswersFromTheReadItWasTakenWith) {
  TempFolder folder;
  const auto file = folder / "settings.ini";
  writeBytes(file, "[S]\nk=\"old\"\nn=$10\n");
  const IniSnapshot before(file);
  writeBytes(file, "[S]\nk=new\n");
  EXPECT_EQ(before.ReadString("s", "K", "d"), "old");
  EXPECT_EQ(before.ReadInteger("S", "n", 0), 16);
  EXPECT_EQ(IniSnapshot(file).ReadString("S", "k", "d"), "new");
  std::filesystem::remove(file);
  EXPECT_EQ(IniSnapshot(file).ReadString("S", "k", "d"), "d");
  EXPECT_EQ(before.ReadString("S", "k", "d"), "old");
}

struct IntegerCase {
  const char* text;
  std::optional<int> expected;
};

class ProfileIntegerTest : public testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, Parses) {
  EXPECT_EQ(parseProfileInteger(GetParam().text), GetParam().expected) << GetParam().text;
}

constexpr std::optional<int> kNone;

INSTANTIATE_TEST_SUITE_P(Forms, ProfileIntegerTest,
                         testing::Values(IntegerCase{"+7", 7}, IntegerCase{"-13", -13},
                                         IntegerCase{"$1f", 31}, IntegerCase{"0X1a", 26},
                                         IntegerCase{"0x1", 1}, IntegerCase{"-2147483648", INT_MIN},
                                         IntegerCase{"$7FFFFFFF", INT_MAX}, IntegerCase{"", kNone},
                                         IntegerCase{"0x", kNone}, IntegerCase{"$", kNone},
                                         IntegerCase{"12a", kNone}, IntegerCase{"--1", kNone},
                                         IntegerCase{"2147483648", kNone},
                                         IntegerCase{"$80000000", kNone},
                                         IntegerCase{"-$10", kNone}, IntegerCase{"0x-1", kNone}));

}  // namespace
}  // namespace qu
