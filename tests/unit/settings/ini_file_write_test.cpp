#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "settings/ini_file.h"
#include "settings_test_files.h"

namespace qu {
namespace {

using test::readBytes;
using test::TempFolder;
using test::utf16le;
using test::writeBytes;

struct WriteCase {
  const char* name;
  std::optional<std::string> before;  // none: no file yet
  std::vector<test::IniStep> ops;
  std::string after;
  friend void PrintTo(const WriteCase& c, std::ostream* out) { *out << c.name; }
};

// "é" in a file without a byte-order mark: UTF-8 on Linux, the ANSI code page (the Western one
// under test) on Windows.
#ifdef _WIN32
constexpr const char* kPlainE = "\xE9";
#else
constexpr const char* kPlainE = "\xC3\xA9";
#endif

class IniWriteTest : public testing::TestWithParam<WriteCase> {};

TEST_P(IniWriteTest, ChangesOnlyWhatIsWritten) {
  const WriteCase& c = GetParam();
  TempFolder folder;
  auto file = folder / "file.ini";
  if (c.before) writeBytes(file, *c.before);
  IniFile ini(file);
  test::apply(ini, c.ops);
  EXPECT_EQ(readBytes(file), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, IniWriteTest,
    testing::Values(
        WriteCase{"ReplaceKeepsKeyAndSpacing",
                  "[S]\n  Key = \"old\"  \nnext=1\n",
                  {{'w', "s", "KEY", "new"}},
                  "[S]\n  Key = new\nnext=1\n"},
        WriteCase{"EmptyValueLeavesNothingAfterEquals",
                  "[S]\nk = old\n",
                  {{'w', "S", "k", ""}},
                  "[S]\nk =\n"},
        WriteCase{"NewKeyAfterLastKeyOfSection",
                  "[A]\nx=1\n\n; about B\n[B]\ny=2\n",
                  {{'w', "A", "z", "3"}},
                  "[A]\nx=1\nz=3\n\n; about B\n[B]\ny=2\n"},
        WriteCase{"NewKeyInSectionWithoutKeys",
                  "[A]\n; x=1\n\n[B]\n",
                  {{'w', "A", "x", "2"}},
                  "[A]\nx=2\n; x=1\n\n[B]\n"},
        WriteCase{"NewSectionAtEnd", "[A]\nx=1\n", {{'w', "B", "k", "v"}}, "[A]\nx=1\n[B]\nk=v\n"},
        WriteCase{"LastLineWithoutLineEnd",
                  "[A]\nx=1",
                  {{'w', "A", "y", "2"}, {'w', "B", "k", "v"}},
                  "[A]\nx=1\ny=2\n[B]\nk=v\n"},
        WriteCase{"CrLfFileKeepsCrLf",
                  "[A]\r\nx=1\r\n",
                  {{'w', "A", "y", "2"}, {'w', "B", "k", "v"}, {'w', "A", "x", "5"}},
                  "[A]\r\nx=5\r\ny=2\r\n[B]\r\nk=v\r\n"},
        WriteCase{"EachLineKeepsItsOwnLineEnd",
                  "[A]\r\nx=1\ny=2\n",
                  {{'w', "A", "x", "5"}, {'w', "A", "z", "3"}},
                  "[A]\r\nx=5\ny=2\nz=3\r\n"},
        WriteCase{"DeleteRemovesLine", "[A]\nx=1\ny=2\n", {{'d', "a", "X"}}, "[A]\ny=2\n"},
        WriteCase{"DeleteAbsentChangesNothing",
                  "[A]\nx=1",
                  {{'d', "A", "y"}, {'d', "B", "x"}},
                  "[A]\nx=1"},
        WriteCase{"DuplicatesFirstWrittenAllDeleted",
                  "[A]\nx=1\nx=2\n[A]\nx=3\n",
                  {{'w', "A", "x", "9"}, {'d', "A", "x"}},
                  "[A]\n[A]\nx=3\n"},
        WriteCase{"KeysBeforeFirstSectionUntouched",
                  "k=1\n[A]\n",
                  {{'w', "A", "k", "2"}},
                  "k=1\n[A]\nk=2\n"},
        WriteCase{"BracketWithoutCloseIsSection", "[A\nx=1\n", {{'w', "A", "x", "2"}}, "[A\nx=2\n"},
        WriteCase{"LineBreaksCannotAddLines",
                  "[A]\n",
                  {{'w', "A", "k", "a\nproxy=evil\r"}, {'w', "A", "j\n[B]", "1"}},
                  "[A]\nk=\"a proxy=evil \"\nj [B]=1\n"},
        WriteCase{"Utf8MarkKept",
                  "\xEF\xBB\xBF[A]\nx=1\n",
                  {{'w', "A", "y", "\xC3\xBC"}},
                  "\xEF\xBB\xBF[A]\nx=1\ny=\xC3\xBC\n"},
        WriteCase{"Windows1252BytesKept",
                  "[A]\nn\xE9=caf\xE9\nx=1\n",
                  {{'w', "A", "x", "2"}, {'w', "A", "n\xC3\xA9", "th\xC3\xA9"}},
                  std::string("[A]\nn\xE9=th") + kPlainE + "\nx=2\n"},
        WriteCase{"Utf16StaysUtf16",
                  utf16le(u"[A]\r\nx=1\r\n"),
                  {{'w', "A", "y", "Gr\xC3\xBC\xC3\x9F\x65"}, {'w', "A", "x", "\xF0\x9F\x98\x80"}},
                  utf16le(u"[A]\r\nx=\U0001F600\r\ny=Gr\u00FC\u00DFe\r\n")},
        WriteCase{"MissingFileCreated",
                  std::nullopt,
                  {{'w', "A", "k", "v"}, {'w', "A", "e", ""}},
                  test::withPlatformLineEnds("[A]\nk=v\ne=\n")}),
    [](const testing::TestParamInfo<WriteCase>& info) { return info.param.name; });

TEST(IniWrite, ValuesReadBackAsWritten) {
  TempFolder folder;
  IniFile ini(folder / "file.ini");
  ini.WriteString("S", "empty", "");
  ini.WriteInteger("S", "number", -42);
  ini.WriteInteger("S", "cleared", 5);
  ini.WriteString("S", "cleared", "");
  ini.WriteString("Retranslation", "component", "a;b");
  ini.DeleteKey("Retranslation", "component");

  EXPECT_EQ(ini.ReadString("S", "empty", "default"), "");
  EXPECT_EQ(ini.ReadString("S", "number", ""), "-42");
  EXPECT_EQ(ini.ReadInteger("S", "number", 0), -42);
  EXPECT_EQ(ini.ReadInteger("S", "cleared", 60), 60);
  EXPECT_EQ(ini.ReadString("Retranslation", "component", ""), "");
  EXPECT_EQ(ini.ReadString("Retranslation", "component", "absent"), "absent");
}

TEST(IniWrite, NothingIsCachedBetweenCalls) {
  TempFolder folder;
  auto file = folder / "file.ini";
  IniFile ini(file);
  ini.WriteString("S", "k", "1");
  writeBytes(file, "[S]\nk=2\n");
  EXPECT_EQ(ini.ReadString("S", "k", ""), "2");
  ini.WriteString("S", "j", "3");
  EXPECT_EQ(readBytes(file), "[S]\nk=2\nj=3\n");
}

// An Apply writes many keys: one replacement leaves what the single calls would have left, and
// until commit() the file is untouched.
TEST(IniBatch, LeavesTheBytesOfTheSameCallsInOneReplacement) {
  TempFolder folder;
  const std::string before = "[A]\nx=1\n; note\n[B]\ny=2\n";
  writeBytes(folder / "calls.ini", before);
  writeBytes(folder / "batch.ini", before);
  IniFile calls(folder / "calls.ini");
  IniBatch batch(folder / "batch.ini");
  calls.WriteString("A", "z", "3");
  batch.WriteString("A", "z", "3");
  calls.DeleteKey("b", "Y");
  batch.DeleteKey("b", "Y");
  calls.WriteInteger("C", "n", -4);
  batch.WriteInteger("C", "n", -4);
  EXPECT_EQ(readBytes(folder / "batch.ini"), before);
  batch.commit();
  EXPECT_EQ(readBytes(folder / "batch.ini"), readBytes(folder / "calls.ini"));
  EXPECT_EQ(readBytes(folder / "batch.ini"), "[A]\nx=1\nz=3\n; note\n[B]\n[C]\nn=-4\n");
}

TEST(IniBatch, AFileThatCannotBeReadRefusesChangesAndIgnoresDeletions) {
  TempFolder folder;
  std::filesystem::create_directory(folder / "ss_storage.ini");
  IniBatch batch(folder / "ss_storage.ini");
  batch.DeleteKey("S", "k");
  EXPECT_NO_THROW(batch.commit());
  EXPECT_THROW(batch.WriteString("S", "k", "v"), IniWriteError);
  EXPECT_TRUE(std::filesystem::is_directory(folder / "ss_storage.ini"));
}

}  // namespace
}  // namespace qu
