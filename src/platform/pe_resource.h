#pragma once

// Finds the version resource of a PE image on disk without loading it: the resource directory
// (type RT_VERSION, id 1, its first language) is walked through the section table.

#include <optional>

#include "platform/byte_source.h"

namespace qu {

// The raw VS_VERSIONINFO bytes, or nothing when the image has none or is malformed.
std::optional<Bytes> peVersionResource(ByteSource& source);

}  // namespace qu
