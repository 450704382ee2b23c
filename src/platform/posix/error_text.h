#pragma once

#include <string>

namespace qu {

// The system's message for an errno value, for showing to the user.
std::string errorText(int error);

}  // namespace qu
