#include "catalog/product_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace qu {
namespace {

bool overlap(const Bounds& a, const Bounds& b) {
  return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
         b.top < a.top + a.height;
}

int bottom(const Bounds& b) {
  return b.top + b.height;
}

TEST(ProductLayoutTest, ItemsFitTheirGroupWithoutOverlapping) {
  for (const ProductGroup& group : productGroups()) {
    const std::vector<PlacedItem> layout = productGroupLayout(group);
    for (std::size_t i = 0; i < layout.size(); ++i) {
      const Bounds& b = layout[i].bounds;
      SCOPED_TRACE(std::string(group.box) + " " + std::string(layout[i].name));
      EXPECT_GE(b.left, 0);
      EXPECT_GE(b.top, kCaptionBand);
      EXPECT_LE(b.left + b.width, group.width);
      EXPECT_LE(bottom(b), group.height);
      for (std::size_t j = i + 1; j < layout.size(); ++j) {
        EXPECT_FALSE(overlap(b, layout[j].bounds)) << "overlaps " << layout[j].name;
      }
    }
  }
}

// Every label and box (hidden ones too) has one place; each box sits under its own label and
// above the next one, so a line of versions reads as its product.
TEST(ProductLayoutTest, BoxesSitUnderTheirLabel) {
  std::size_t boxes = 0;
  for (const ProductGroup& group : productGroups()) {
    const std::vector<PlacedItem> layout = productGroupLayout(group);
    auto boundsOf = [&](std::string_view name) {
      EXPECT_EQ(std::ranges::count(layout, name, &PlacedItem::name), 1) << name;
      return std::ranges::find(layout, name, &PlacedItem::name)->bounds;
    };
    for (const ProductLabel& label : group.labels) EXPECT_EQ(boundsOf(label.name).height, 13);
    for (const ProductRow& row : productRows()) {
      if (row.group != group.box) continue;
      ++boxes;
      const Bounds box = boundsOf(row.box);
      EXPECT_EQ(box.height, 17);
      const auto label = std::ranges::find(group.labels, row.label, &ProductLabel::name);
      if (label == group.labels.end()) continue;  // the Administration Kit has no label
      EXPECT_GE(box.top, bottom(boundsOf(row.label))) << row.box;
      if (label + 1 != group.labels.end()) {
        EXPECT_LE(bottom(box), boundsOf((label + 1)->name).top) << row.box;
      }
    }
  }
  EXPECT_EQ(boxes, 51u);
}

}  // namespace
}  // namespace qu
