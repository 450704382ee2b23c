#pragma once

// The main window as data: every control outside the product groups, in creation order. The
// product groups' labels and boxes come from the catalog.

#include <span>

#include "platform/form_spec.h"

namespace qu {

inline constexpr int kMainClientWidth = 667;
inline constexpr int kMainClientHeight = 663;

// Controls created before the product groups' items: the upper area and the six group boxes.
std::span<const ControlSpec> mainUpperControls();
// Controls created after them: service and report groups, progress bar, result line, buttons.
std::span<const ControlSpec> mainLowerControls();

}  // namespace qu
