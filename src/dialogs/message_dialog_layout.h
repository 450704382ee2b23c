#pragma once

#include <span>

#include "platform/form_spec.h"

namespace qu {

// The message dialog's fixed client height; its width follows each message.
inline constexpr int kMsgClientHeight = 119;
// A dialog's outer width includes its frame; this much of it is not client area.
inline constexpr int kDialogFrameWidth = 6;

std::span<const ControlSpec> messageDialogControls();

}  // namespace qu
