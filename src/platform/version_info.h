#pragma once

// The FileVersion string of a version resource (VS_VERSIONINFO), queried as the platform's
// VerQueryValue does: the translation table in its order, and for each entry the string table
// named by its language and code page; keys match without regard to case.

#include <cstdint>
#include <span>
#include <string>

namespace qu {

// UTF-8; "" when the table is missing or empty or no listed string table has FileVersion.
std::string versionInfoFileVersion(std::span<const std::uint8_t> resource);

}  // namespace qu
