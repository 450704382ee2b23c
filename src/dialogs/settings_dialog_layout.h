#pragma once

#include <span>

#include "platform/form_spec.h"

namespace qu {

inline constexpr int kSettingsClientWidth = 402;
inline constexpr int kSettingsClientHeight = 474;

// In creation order; within GB_SourceUpd and GB_MoveUpd the order fixes the stored positions.
std::span<const ControlSpec> settingsDialogControls();

}  // namespace qu
