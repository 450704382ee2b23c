#pragma once

// The version text our own builds stamp into native programs: the NUL-terminated contents of
// the ELF section ".fileversion" (see version_stamp.h). 32- and 64-bit, either byte order.

#include <string>

#include "platform/byte_source.h"

namespace qu {

// "" when the source is not ELF, is malformed, or has no such section.
std::string elfFileVersion(ByteSource& source);

}  // namespace qu
