#pragma once

#include <span>

#include "platform/form_spec.h"

namespace qu {

inline constexpr int kExpertClientWidth = 347;
inline constexpr int kExpertClientHeight = 218;

std::span<const ControlSpec> expertDialogControls();

}  // namespace qu
