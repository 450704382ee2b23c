#pragma once

// Where the labels and check boxes sit inside the six product groups, and the control table the
// main window builds them from.
//
// Layout, per group box (all bounds relative to the group box):
// - the caption band takes the top kCaptionBand pixels;
// - each label, in position order, is a full-width line (left 8, height 13), with its version
//   boxes under it in rows of three columns (left 16, 116, 216; width 98; height 17), in the
//   catalog's row order; hidden "8.0 Beta" boxes keep their place;
// - the next label follows two pixels below the last row of boxes;
// - the Administration Kit group has no label: its boxes start right under the caption band.

#include <string_view>
#include <vector>

#include "catalog/product_catalog.h"
#include "platform/form_spec.h"

namespace qu {

inline constexpr int kCaptionBand = 14;
inline constexpr int kLabelHeight = 13;
inline constexpr int kCheckBoxHeight = 17;

struct PlacedItem {
  std::string_view name;
  Bounds bounds;
};

// The labels and boxes of one group in display order (each label followed by its boxes).
std::vector<PlacedItem> productGroupLayout(const ProductGroup& group);

// The labels and check boxes of every product group in creation order (per group: labels, then
// boxes, in control-position order), parented to the group boxes, which the caller creates first.
std::vector<ControlSpec> productControlSpecs();

}  // namespace qu
