// libFuzzer entry for the version reader: any bytes at all must give a text or "", with no
// crash, hang, out-of-bounds read or unbounded allocation (the sanitizers and limits of
// scripts/fuzz.sh catch those).

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "platform/file_version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string version = qu::fileVersionOfBytes(std::span(data, size));
  // The text is taken from the input: UTF-16 turned into UTF-8 grows by half at most.
  if (version.size() > size * 3 / 2) __builtin_trap();
  return 0;
}
