#pragma once

// Sections of the updater's settings file that the main window reads and writes.

#include <string>

#include "settings/window_options.h"

namespace qu {

inline constexpr const char* kUpdaterSection = "Updater";
inline constexpr const char* kRetranslationSection = "Retranslation";
inline const std::string kGuiSectionName{kGuiSection};

}  // namespace qu
