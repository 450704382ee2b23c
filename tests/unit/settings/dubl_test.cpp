#include "settings/dubl.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "settings/case_fold.h"

namespace qu {
namespace {

struct DublCase {
  const char* name;
  std::string list;
  std::string expected;
  friend void PrintTo(const DublCase& c, std::ostream* out) { *out << c.name; }
};

class DublTest : public testing::TestWithParam<DublCase> {};

TEST_P(DublTest, Normalises) {
  EXPECT_EQ(dubl(GetParam().list), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DublTest,
    testing::Values(DublCase{"RepeatAndClosingSemicolon", "QIS;QAV;QIS;", "QAV;QIS"},
                    DublCase{"EmptyText", "", ""}, DublCase{"OnlySemicolons", ";;;", "\"\""},
                    DublCase{"OnlySemicolon", ";", "\"\""}, DublCase{"OnlyBlanks", " \t\n", ""},
                    DublCase{"FirstOfCaseEqualWins", "beta;Alpha;ALPHA;alpha", "Alpha;beta"},
                    DublCase{"SortIgnoresCase", "b;C;a", "a;b;C"},
                    DublCase{"EmptyPlacesGiveOneEmptyItemDropped", "b;;a;", "a;b"},
                    DublCase{"ControlCharactersSplit", "b a\tc\r\nd", "a;b;c;d"},
                    DublCase{"RunsOfSeparatorsSkipped", "  b ;  a  ", "a;b"},
                    DublCase{"QuotedItemKeepsBlankAndIsQuotedAgain", "\"x y\";a", "a;\"x y\""},
                    DublCase{"DoubledQuoteInside", "\"say \"\"hi\"\"\"", "\"say \"\"hi\"\"\""},
                    DublCase{"QuotedSemicolon", "\"a;b\";c", "\"a;b\";c"},
                    DublCase{"QuotedEmptyItemAlone", "\"\"", "\"\""},
                    DublCase{"UnclosedQuoteRunsToEnd", "b;\"a;c", "\"a;c\";b"},
                    DublCase{"NumbersSortAsText", "10;9;1", "1;10;9"},
                    DublCase{"TextEndsAtNul", std::string("b;a\0c;d", 7), "a;b"},
                    DublCase{"NonAsciiFoldedBeforeComparing",
                             "\xC3\x84pfel;\xC3\xA4pfel;\xD0\xAF;\xD1\x8F;zebra",
                             "zebra;\xC3\x84pfel;\xD0\xAF"}),
    [](const testing::TestParamInfo<DublCase>& info) { return info.param.name; });

struct FoldCase {
  const char* text;
  const char* folded;
};

class FoldCaseTest : public testing::TestWithParam<FoldCase> {};

TEST_P(FoldCaseTest, Folds) {
  EXPECT_EQ(foldCase(GetParam().text), GetParam().folded);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, FoldCaseTest,
    testing::Values(
        FoldCase{"ABC xyz_09[]", "abc xyz_09[]"},
        FoldCase{"\xC3\x80\xC3\x9E\xC3\x97\xC3\x9F", "\xC3\xA0\xC3\xBE\xC3\x97\xC3\x9F"},
        FoldCase{"\xC4\x80\xC4\xB9\xC5\xB8\xC5\xBD", "\xC4\x81\xC4\xBA\xC3\xBF\xC5\xBE"},
        FoldCase{"\xCE\x86\xCE\xA3\xCE\xA9", "\xCE\xAC\xCF\x83\xCF\x89"},
        FoldCase{"\xD0\x81\xD0\x90\xD0\xAF", "\xD1\x91\xD0\xB0\xD1\x8F"},
        FoldCase{"A\xFF\xC3Z", "a\xFF\xC3z"}));

}  // namespace
}  // namespace qu
