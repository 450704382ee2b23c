#include "catalog/product_layout.h"

#include <algorithm>

namespace qu {
namespace {

constexpr int kLabelLeft = 8;
constexpr int kBoxLeft = 16;
constexpr int kColumns = 3;
constexpr int kColumnWidth = 100;
constexpr int kBoxWidth = 98;
constexpr int kBlockGap = 2;

// Places one label's boxes from `top`; returns the first free line below them.
int placeBoxes(std::string_view group, std::string_view label, int top,
               std::vector<PlacedItem>& out) {
  int index = 0;
  for (const ProductRow& row : productRows()) {
    if (row.group != group || row.label != label) continue;
    const int column = index % kColumns;
    const int line = index / kColumns;
    out.push_back({row.box,
                   {kBoxLeft + column * kColumnWidth, top + line * kCheckBoxHeight, kBoxWidth,
                    kCheckBoxHeight}});
    ++index;
  }
  const int lines = (index + kColumns - 1) / kColumns;
  return top + lines * kCheckBoxHeight;
}

const Bounds& boundsOf(const std::vector<PlacedItem>& layout, std::string_view name) {
  return std::ranges::find(layout, name, &PlacedItem::name)->bounds;
}

}  // namespace

std::vector<PlacedItem> productGroupLayout(const ProductGroup& group) {
  std::vector<PlacedItem> out;
  if (group.labels.empty()) {
    placeBoxes(group.box, "", kCaptionBand, out);
    return out;
  }
  int top = kCaptionBand;
  for (const ProductLabel& label : group.labels) {
    out.push_back({label.name, {kLabelLeft, top, group.width - 2 * kLabelLeft, kLabelHeight}});
    top = placeBoxes(group.box, label.name, top + kLabelHeight, out) + kBlockGap;
  }
  return out;
}

std::vector<ControlSpec> productControlSpecs() {
  std::vector<ControlSpec> specs;
  for (const ProductGroup& group : productGroups()) {
    const std::vector<PlacedItem> layout = productGroupLayout(group);
    for (const ProductLabel& label : group.labels) {
      specs.push_back({ControlKind::Label, label.name, group.box, boundsOf(layout, label.name),
                       label.designCaption});
    }
    std::vector<const ProductRow*> boxes;
    for (const ProductRow& row : productRows()) {
      if (row.group == group.box) boxes.push_back(&row);
    }
    std::ranges::sort(boxes, {}, &ProductRow::position);
    for (const ProductRow* row : boxes) {
      specs.push_back({ControlKind::CheckBox, row->box, group.box, boundsOf(layout, row->box),
                       row->caption, row->hidden ? kHidden | kDisabled : 0u});
    }
  }
  return specs;
}

}  // namespace qu
