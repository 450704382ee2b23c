#include "catalog/product_type.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "catalog/component_sets.h"
#include "catalog/product_catalog.h"

namespace qu {
namespace {

std::string sets(std::initializer_list<int> numbers) {
  std::string out;
  for (int number : numbers) out += componentSet(number);
  return out;
}

SelectionState selected(const std::vector<std::string_view>& boxes) {
  SelectionState state;
  state.ticked.insert(boxes.begin(), boxes.end());
  return state;
}

struct ListCase {
  std::vector<std::string_view> boxes;
  std::string components;
  std::string builds;
  std::string applications;
};

void expectLists(const ListCase& c) {
  SCOPED_TRACE(std::string(c.boxes.front()));
  const ProductSelection result = ProductType(selected(c.boxes));
  EXPECT_EQ(result.components, c.components);
  EXPECT_EQ(result.builds, c.builds);
  EXPECT_EQ(result.applications, c.applications);
  EXPECT_EQ(result.inputError, c.components.empty());
}

const std::string kLegacy = sets({17});

// Each box on its own, written out from the catalog table independently of the code's data.
// The Administration Kit is served only with a product, so its rows come with ChBox_QSE_3.
const std::vector<ListCase> kAlone = {
    {{"ChBox_QAV_1"}, sets({9}), "614;621;", ""},
    {{"ChBox_QAV_2"}, sets({5}), "119;123;124;125;138;", ""},
    {{"ChBox_QAV_3"}, sets({7}), "321;325;", ""},
    {{"ChBox_QAV_4"}, sets({1}), "", "QAV 8.0.0.[357-358];"},
    {{"ChBox_QAV_5"}, sets({3}), "", "QAV 8.0.0.454;"},
    {{"ChBox_QAV_6"}, sets({3}), "", "QAV 8.0.0.506;"},
    {{"ChBox_QIS_1"}, sets({10}), "614;621;", ""},
    {{"ChBox_QIS_2"}, sets({6}), "119;123;124;125;138;", ""},
    {{"ChBox_QIS_3"}, sets({8}), "321;325;", ""},
    {{"ChBox_QIS_4"}, sets({2}), "", "QIS 8.0.0.[357-358];"},
    {{"ChBox_QIS_5"}, sets({4}), "", "QIS 8.0.0.454;"},
    {{"ChBox_QIS_6"}, sets({4}), "", "QIS 8.0.0.506;"},
    {{"ChBox_WKS_1"}, kLegacy, "", ""},
    {{"ChBox_WKS_2"}, sets({16}), "", ""},
    {{"ChBox_WKS_3"}, sets({10}), "678;690;", ""},
    {{"ChBox_WKS_4"}, sets({10}), "830;837;", ""},
    {{"ChBox_WKS_5"}, sets({11}), "", "WKS 8.0.0.1015;"},
    {{"ChBox_SOS_1"}, kLegacy, "", ""},
    {{"ChBox_SOS_2"}, sets({13}), "837;", ""},
    {{"ChBox_SOS_3"}, sets({12}), "", "SOS 8.0.0.1015;"},
    {{"ChBox_LWS_1"}, kLegacy, "", ""},
    {{"ChBox_WS_1"}, kLegacy, "", ""},
    {{"ChBox_WS_2"}, sets({13}), "678;690;", ""},
    {{"ChBox_WS_3"}, sets({13}), "830;837;", ""},
    {{"ChBox_WS_4"}, sets({12}), "", "FS 8.0.0.1015;"},
    {{"ChBox_WSE_1"}, sets({14}), "6.0.0.454;", ""},
    {{"ChBox_WSE_2"}, sets({14}), "6.0.1.511;", ""},
    {{"ChBox_WSE_3"}, sets({14, 15}), "6.0.2.551;", ""},
    {{"ChBox_WSE_4"}, "", "", ""},
    {{"ChBox_LinS_1"}, kLegacy, "", ""},
    {{"ChBox_UniS_1"}, kLegacy, "", ""},
    {{"ChBox_SamS_1"}, kLegacy, "", ""},
    {{"ChBox_Nov_1"}, sets({21}), "", ""},
    {{"ChBox_QSE_1"}, sets({20}), "", ""},
    {{"ChBox_QSE_2"}, sets({20}), "", ""},
    {{"ChBox_QSE_3"}, sets({18}), "", ""},
    {{"ChBox_QSE_4"}, sets({19}), "", ""},
    {{"ChBox_QAVE_1"}, kLegacy, "", ""},
    {{"ChBox_Lotus_1"}, kLegacy, "", ""},
    {{"ChBox_LinMail_1"}, sets({22}), "", ""},
    {{"ChBox_UniMail_1"}, kLegacy, "", ""},
    {{"ChBox_Milter_1"}, kLegacy, "", ""},
    {{"ChBox_MGW_1"}, sets({23}), "", ""},
    {{"ChBox_QAS_1"}, sets({25}), "", ""},
    {{"ChBox_QAS_2"}, sets({24}), "", ""},
    {{"ChBox_ISA_1"}, kLegacy, "", ""},
    {{"ChBox_ISA_2"}, kLegacy, "", ""},
    {{"ChBox_Point_1"}, kLegacy, "", ""},
    {{"ChBox_Proxy_1"}, kLegacy, "", ""},
    {{"ChBox_AK_1", "ChBox_QSE_3"}, sets({18, 26}), "", ""},
    {{"ChBox_AK_2", "ChBox_QSE_3"}, sets({18, 27}), "", ""},
};

TEST(ProductTypeTest, EachBoxAloneGivesExactlyItsRow) {
  ASSERT_EQ(kAlone.size(), productRows().size());
  for (const ProductRow& row : productRows()) {
    EXPECT_TRUE(
        std::ranges::any_of(kAlone, [&](const ListCase& c) { return c.boxes[0] == row.box; }))
        << row.box << " has no expectation";
  }
  for (const ListCase& c : kAlone) expectLists(c);
}

TEST(ProductTypeTest, SharedSetsAreAppendedOnceAndContributionsKeepStepOrder) {
  const std::vector<ListCase> cases = {
      {{"ChBox_QAV_6", "ChBox_QAV_5"}, sets({3}), "", "QAV 8.0.0.454;QAV 8.0.0.506;"},
      {{"ChBox_QIS_6", "ChBox_QIS_5"}, sets({4}), "", "QIS 8.0.0.454;QIS 8.0.0.506;"},
      {{"ChBox_WKS_4", "ChBox_WKS_3", "ChBox_QIS_1"}, sets({10}), "614;621;678;690;830;837;", ""},
      {{"ChBox_SOS_2", "ChBox_WS_3", "ChBox_WS_2"}, sets({13}), "678;690;830;837;837;", ""},
      {{"ChBox_WSE_3", "ChBox_WSE_1"}, sets({14, 15}), "6.0.0.454;6.0.2.551;", ""},
      {{"ChBox_QSE_2", "ChBox_QSE_1"}, sets({20}), "", ""},
      // Set 12 comes from two steps and is therefore there twice before normalisation.
      {{"ChBox_WS_4", "ChBox_SOS_3"}, sets({12, 12}), "", "SOS 8.0.0.1015;FS 8.0.0.1015;"},
      {{"ChBox_QAS_1", "ChBox_QAS_2"}, sets({24, 25}), "", ""},
      {{"ChBox_AK_2", "ChBox_AK_1", "ChBox_Nov_1", "ChBox_QAV_4"},
       sets({1, 21, 26, 27}),
       "",
       "QAV 8.0.0.[357-358];"},
      // The Administration Kit on its own, or with the beta that adds nothing, is refused.
      {{"ChBox_AK_1", "ChBox_AK_2", "ChBox_WSE_4"}, "", "", ""},
      {{"ChBox_AK_2"}, "", "", ""},
      {{"ChBox_Trace", "GB_Home"}, "", "", ""},
  };
  for (const ListCase& c : cases) expectLists(c);
}

TEST(ProductTypeTest, LegacySetIsAppendedOnceHoweverManyLegacyBoxesAreTicked) {
  ListCase all{{}, kLegacy, "", ""};
  for (const ListCase& c : kAlone) {
    if (c.components != kLegacy) continue;
    all.boxes.push_back(c.boxes[0]);
    expectLists(all);
  }
  EXPECT_EQ(all.boxes.size(), 15u);
}

TEST(ProductTypeTest, EveryBoxTickedKeepsStepOrder) {
  SelectionState state;
  for (const ProductRow& row : productRows()) state.ticked.emplace(row.box);

  const ProductSelection result = ProductType(state);

  EXPECT_FALSE(result.inputError);
  EXPECT_EQ(result.components, sets({1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 12,
                                     14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27}));
  EXPECT_EQ(result.builds,
            "119;123;124;125;138;119;123;124;125;138;321;325;321;325;614;621;"
            "614;621;678;690;830;837;678;690;830;837;837;6.0.0.454;6.0.1.511;6.0.2.551;");
  EXPECT_EQ(result.applications,
            "QAV 8.0.0.[357-358];QIS 8.0.0.[357-358];QAV 8.0.0.454;QAV 8.0.0.506;QIS 8.0.0.454;"
            "QIS 8.0.0.506;WKS 8.0.0.1015;SOS 8.0.0.1015;FS 8.0.0.1015;");
}

struct PathCase {
  const char* name;
  bool updateAll;
  bool updateSelected;
  bool expertMode;
  ExpertFields expert;
  std::vector<std::string> expected;  // index file, URL path, 3 lists, os, language
  bool inputError;
};

// Every path starts from a product ticked and the last expert Apply's lists ("nt", "de").
TEST(ProductTypeTest, EachPathFillsTheValuesItOwns) {
  const ExpertFields fields = {"u0607x.xml",     "idx/", "B;A;A", "614; 621",
                               "QAV 8.0.0.454;", "os2",  "ru"};
  const std::vector<std::string> fromFields = {"u0607x.xml",     "idx/", "B;A;A", "614; 621",
                                               "QAV 8.0.0.454;", "os2",  "ru"};
  const std::vector<PathCase> cases = {
      {"update all",
       true,
       false,
       false,
       fields,
       {"u0607g.xml", "index/", "", "", "", "nt", "de"},
       false},
      {"expert", false, true, true, fields, fromFields, false},
      {"expert from update all", true, false, true, fields, fromFields, false},
      {"expert with empty fields",
       false,
       true,
       true,
       {},
       {"u0607g.xml", "index/", "", "", "", "", ""},
       false},
      {"selected",
       false,
       true,
       false,
       fields,
       {"u0607g.xml", "index/", sets({1}), "", "QAV 8.0.0.[357-358];", "nt", "de"},
       false},
      {"no mode chosen",
       false,
       false,
       false,
       fields,
       {"u0607g.xml", "index/", "", "", "", "nt", "de"},
       false},
  };
  for (const PathCase& c : cases) {
    SelectionState state = selected({"ChBox_QAV_4"});
    state.updateAll = c.updateAll;
    state.updateSelected = c.updateSelected;
    state.expertMode = c.expertMode;
    state.expert = c.expert;
    state.osList = "nt";
    state.languageList = "de";

    const ProductSelection r = ProductType(state);

    EXPECT_EQ((std::vector<std::string>{r.indexFileName, r.indexUrlPath, r.components, r.builds,
                                        r.applications, r.osList, r.languageList}),
              c.expected)
        << c.name;
    EXPECT_EQ(r.inputError, c.inputError) << c.name;
  }
}

// The catalog says which of its rules refused; the hand-written expert path is never refused.
TEST(ProductTypeTest, RecordsTheRuleThatRefusedTheSelection) {
  EXPECT_EQ(ProductType(selected({})).refusal, CatalogRefusal::NothingSelected);
  EXPECT_EQ(ProductType(selected({"ChBox_AK_1"})).refusal, CatalogRefusal::AdminKitAlone);
  EXPECT_EQ(ProductType(selected({"ChBox_AK_2", "ChBox_QSE_1"})).refusal, CatalogRefusal::None);
  SelectionState expert = selected({"ChBox_AK_1"});
  expert.expertMode = true;
  const ProductSelection result = ProductType(expert);
  EXPECT_EQ(result.refusal, CatalogRefusal::None);
  EXPECT_FALSE(result.inputError);
}

TEST(ProductTypeTest, SwitchesFollowTheirBoxesOnEveryPath) {
  enum class Path { Selected, UpdateAll, Expert, NothingTicked };
  for (Path path : {Path::Selected, Path::UpdateAll, Path::Expert, Path::NothingTicked}) {
    for (bool trace : {false, true}) {
      for (bool dump : {false, true}) {
        SelectionState state = selected({path == Path::NothingTicked ? "" : "ChBox_QAV_4"});
        state.updateAll = path == Path::UpdateAll;
        state.updateSelected = !state.updateAll;
        state.expertMode = path == Path::Expert;
        state.trace = trace;
        state.dump = dump;

        const ProductSelection result = ProductType(state);

        SCOPED_TRACE(testing::Message() << "path " << static_cast<int>(path) << " trace " << trace
                                        << " dump " << dump);
        EXPECT_EQ(result.traceArg, trace ? " -tf updater_trace.log" : "");
        EXPECT_EQ(result.dumpArg, dump ? "" : " -disableDumpWrite");
      }
    }
  }
}

}  // namespace
}  // namespace qu
