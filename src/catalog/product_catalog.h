#pragma once

// The product catalog: the six product groups of the main window, their labels, and one row per
// product check box. Control positions are part of the settings-file format (GUI/s3...), so they
// must never change; the main window creates each group's items in position order.

#include <array>
#include <span>
#include <string_view>

namespace qu {

struct ProductLabel {
  std::string_view name;
  std::string_view designCaption;
};

struct ProductGroup {
  std::string_view box;            // the group box, e.g. "GB_Home"
  std::string_view designCaption;  // "Home products:"
  int width;
  int height;
  std::span<const ProductLabel> labels;  // in position order: positions 0 .. labels.size()-1
};

struct ProductRow {
  std::string_view box;      // check box name, e.g. "ChBox_QAV_4"
  std::string_view group;    // group box name
  int position;              // control position within the group (labels come first)
  std::string_view label;    // heading label; "" for the Administration Kit (its group names it)
  std::string_view caption;  // version caption, never localised
  bool hidden;               // created hidden and disabled ("8.0 Beta")
  // The catalog steps that test this box; 0 marks an unused slot. Builds and applications are
  // appended by the first of them.
  std::array<int, 2> steps;
  std::string_view builds;        // "" when the box adds no builds
  std::string_view applications;  // "" when the box adds no application descriptors
};

enum class StepKind {
  AppendSet,        // any member ticked: the set once, then each ticked member's builds/apps
  AdminKitRule,     // a member ticked while no component is chosen: the selection is refused
  NothingSelected,  // no component chosen at all: the selection is refused
};

struct CatalogStep {
  int number;
  StepKind kind;
  int componentSet;                         // AppendSet only
  std::span<const std::string_view> boxes;  // in the order the step tests them
};

inline constexpr int kProductRowCount = 51;
inline constexpr int kProductGroupCount = 6;

// Groups in the order of the main window's table; rows grouped by group and label, each label's
// versions in ascending order (the order the layout shows them).
std::span<const ProductGroup> productGroups();
std::span<const ProductRow> productRows();
// Steps 1 to 30 in the order ProductType runs them.
std::span<const CatalogStep> catalogSteps();

// Throw std::out_of_range naming what is missing.
const ProductRow& productRow(std::string_view box);
const ProductGroup& productGroup(std::string_view box);

}  // namespace qu
