// A typed value, the bytes it leaves in the file, and the value read back: whatever the value and
// the file's form, a read gives back what was written, and writing it again changes no byte.

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

using test::readBytes;
using test::TempFolder;
using test::utf16le;
using test::writeBytes;

struct RoundTrip {
  const char* name;
  std::optional<std::string> before;  // none: no file yet
  std::string value;                  // written to S/k
  std::string after;
  std::optional<std::string> readBack = std::nullopt;  // none: the value itself
  friend void PrintTo(const RoundTrip& c, std::ostream* out) { *out << c.name; }
};

class IniRoundTrip : public testing::TestWithParam<RoundTrip> {};

TEST_P(IniRoundTrip, ReadsBackWhatWasWrittenAndRewritesTheSameBytes) {
  const RoundTrip& c = GetParam();
  TempFolder folder;
  const auto file = folder / "ss_storage.ini";
  if (c.before) writeBytes(file, *c.before);
  IniFile ini(file);
  ini.WriteString("S", "k", c.value);
  EXPECT_EQ(readBytes(file), c.after);
  const std::string read = ini.ReadString("S", "k", "<default>");
  EXPECT_EQ(read, c.readBack.value_or(c.value));
  // What a window loaded from the file writes back on the next Apply, then the typed value again.
  ini.WriteString("S", "k", read);
  ini.WriteString("S", "k", c.value);
  EXPECT_EQ(readBytes(file), c.after);
}

const std::string kLong = " " + std::string(39998, 'x') + " ";

INSTANTIATE_TEST_SUITE_P(
    Values, IniRoundTrip,
    testing::Values(
        RoundTrip{"PlainValueStaysBare", "[S]\nk=old\n", "p w", "[S]\nk=p w\n"},
        RoundTrip{"SurroundingBlanksAreQuoted", "[S]\nk=old\n", " pw ", "[S]\nk=\" pw \"\n"},
        RoundTrip{"TabAtOneEndIsQuoted", "[S]\nk=old\n", "pw\t", "[S]\nk=\"pw\t\"\n"},
        RoundTrip{"OnlyBlanksAreQuoted", "[S]\nk=old\n", "  ", "[S]\nk=\"  \"\n"},
        RoundTrip{"EmptyLeavesNothingAfterEquals", "[S]\nk=\"x\"\n", "", "[S]\nk=\n"},
        RoundTrip{"EnclosingDoubleQuotesAreQuoted", "[S]\nk=old\n", "\"a b\";\"x y\"",
                  "[S]\nk=\"\"a b\";\"x y\"\"\n"},
        RoundTrip{"EnclosingSingleQuotesAreQuoted", "[S]\nk=old\n", "'x'", "[S]\nk=\"'x'\"\n"},
        RoundTrip{"TwoQuotesAreQuoted", "[S]\nk=old\n", "\"\"", "[S]\nk=\"\"\"\"\n"},
        RoundTrip{"OneQuoteStaysBare", "[S]\nk=old\n", "\"", "[S]\nk=\"\n"},
        RoundTrip{"UnmatchedQuotesStayBare", "[S]\nk=old\n", "\"a b'", "[S]\nk=\"a b'\n"},
        RoundTrip{"HandQuotedValueKeepsItsBytes", "[S]\nk=\" sec ret \"\n", " sec ret ",
                  "[S]\nk=\" sec ret \"\n"},
        RoundTrip{"NeedlessQuotesKeepTheirBytes", "[S]\nk = 'abc'  \n", "abc",
                  "[S]\nk = 'abc'  \n"},
        RoundTrip{"BlanksAfterEqualsStopGrowing", "[S]\nk=    pw \n", " pw ",
                  "[S]\nk=    \" pw \"\n"},
        RoundTrip{"LineBreaksBecomeBlanks", "[S]\nk=old\n", "a\r\nb\n", "[S]\nk=\"a  b \"\n",
                  "a  b "},
        RoundTrip{"LongValueIsWhole", "[S]\nk=old\n", kLong, "[S]\nk=\"" + kLong + "\"\n"},
        RoundTrip{"CrOnlyFileKeepsCr", "[S]\rj=1\r", " v ", "[S]\rj=1\rk=\" v \"\r"},
        RoundTrip{"CrOnlyFileGetsCrOnNewSection", "[A]\rx=1", "v", "[A]\rx=1\r[S]\rk=v\r"},
        RoundTrip{"Utf16CrOnly", utf16le(u"[S]\rj=1\r"), "v", utf16le(u"[S]\rj=1\rk=v\r")},
        RoundTrip{"Utf16OddByteDropped", utf16le(u"[S]\r\nj=1\r\n") + "\n", " v ",
                  utf16le(u"[S]\r\nj=1\r\nk=\" v \"\r\n")},
        RoundTrip{"Utf16OddByteAfterLastLineDropped", utf16le(u"[S]\r\nj=1") + "\r", "v",
                  utf16le(u"[S]\r\nj=1\r\nk=v\r\n")},
        RoundTrip{"NewFile", std::nullopt, " pw ",
                  test::withPlatformLineEnds("[S]\nk=\" pw \"\n")}),
    [](const testing::TestParamInfo<RoundTrip>& info) { return info.param.name; });

}  // namespace
}  // namespace qu
