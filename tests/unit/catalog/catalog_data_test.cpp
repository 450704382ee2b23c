#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "catalog/component_sets.h"
#include "catalog/product_catalog.h"
#include "catalog/product_layout.h"
#include "platform/controls.h"

namespace qu {
namespace {

// The stored selection (GUI/s3...) names boxes by their positions: built through the control
// model, every box must land on the position the catalog gives it.
TEST(CatalogDataTest, ControlModelGivesEveryItemItsStoredPosition) {
  Form form("FMain");
  for (const ProductGroup& group : productGroups()) {
    form.add<GroupBox>(std::string(group.box), nullptr);
  }
  buildControls(form, productControlSpecs());

  std::size_t items = 0;
  for (const ProductGroup& group : productGroups()) {
    for (std::size_t i = 0; i < group.labels.size(); ++i) {
      EXPECT_EQ(form.find(group.labels[i].name).position(), static_cast<int>(i));
    }
    items += form.find(group.box).children().size();
  }
  for (const ProductRow& row : productRows()) {
    auto& check = form.find<CheckBox>(row.box);
    EXPECT_EQ(check.parent()->name(), row.group) << row.box;
    EXPECT_EQ(check.position(), row.position) << row.box;
    EXPECT_EQ(check.caption(), row.caption) << row.box;
    EXPECT_EQ(check.visible(), !row.hidden) << row.box;
    EXPECT_EQ(check.enabled(), !row.hidden) << row.box;
  }
  EXPECT_EQ(items, 51u + 23u);
}

TEST(CatalogDataTest, PositionsAndHiddenBoxesMatchTheStoredFormat) {
  const std::vector<std::pair<std::string_view, int>> samples = {
      {"ChBox_QAV_4", 2}, {"ChBox_QIS_6", 13},  {"ChBox_WKS_1", 3},  {"ChBox_SOS_3", 11},
      {"ChBox_WS_2", 6},  {"ChBox_WSE_4", 17},  {"ChBox_QAVE_1", 9}, {"ChBox_QAS_2", 20},
      {"ChBox_ISA_2", 3}, {"ChBox_Proxy_1", 6}, {"ChBox_AK_2", 1}};
  for (const auto& [box, position] : samples) EXPECT_EQ(productRow(box).position, position) << box;
  EXPECT_THROW(productRow("ChBox_Trace"), std::out_of_range);

  std::set<std::string_view> hidden;
  for (const ProductRow& row : productRows()) {
    if (row.hidden) hidden.insert(row.box);
  }
  EXPECT_EQ(hidden, (std::set<std::string_view>{"ChBox_WKS_5", "ChBox_SOS_3", "ChBox_WS_4",
                                                "ChBox_WSE_4", "ChBox_AK_2"}));
  EXPECT_EQ(productGroup("GB_Perim").labels[0].designCaption,
            "Quintaris Anti-Virus for Microsoft ISA Server ");
}

TEST(CatalogDataTest, RowsAndStepsAgreeOnWhoServesWhom) {
  const auto steps = catalogSteps();
  ASSERT_EQ(steps.size(), 30u);
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(steps[i].number, static_cast<int>(i) + 1);
    for (std::string_view box : steps[i].boxes) {
      EXPECT_EQ(std::ranges::count(productRow(box).steps, steps[i].number), 1)
          << box << " is tested by step " << steps[i].number;
    }
  }
  for (const ProductRow& row : productRows()) {
    for (int number : row.steps) {
      if (number == 0) continue;
      EXPECT_EQ(std::ranges::count(steps[number - 1].boxes, row.box), 1)
          << row.box << " names step " << number;
    }
  }
}

TEST(CatalogDataTest, EverySetIsUsedAndWellFormed) {
  std::set<int> used;
  for (const CatalogStep& step : catalogSteps()) {
    if (step.kind == StepKind::AppendSet) used.insert(step.componentSet);
  }
  EXPECT_EQ(used.size(), static_cast<std::size_t>(kComponentSetCount));

  // Items of upper-case letters, digits and "_", each closed by ";".
  auto wellFormed = [](const std::string& set) {
    bool inItem = false;
    for (char c : set) {
      if (c == ';') {
        if (!inItem) return false;
        inItem = false;
      } else if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_') {
        inItem = true;
      } else {
        return false;
      }
    }
    return !set.empty() && !inItem;
  };
  for (int number = 1; number <= kComponentSetCount; ++number) {
    const std::string set(componentSet(number));
    EXPECT_TRUE(wellFormed(set)) << number;
    EXPECT_EQ(set.find("UPDATER;") == std::string::npos, number == 21) << number;
  }
  EXPECT_THROW(componentSet(0), std::out_of_range);
  EXPECT_THROW(componentSet(28), std::out_of_range);
}

}  // namespace
}  // namespace qu
