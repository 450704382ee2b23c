#pragma once

// The process's resident memory as Linux reports it, for benchmarks that measure a peak: reset
// the peak, do the work, read the peak back.

#include <fstream>
#include <string>

namespace bench {

// A field of /proc/self/status in kilobytes ("VmRSS", "VmHWM"); -1 when it cannot be read.
inline long long statusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(field + ":")) return std::stoll(line.substr(field.size() + 1));
  }
  return -1;
}

inline long long residentKilobytes() {
  return statusKilobytes("VmRSS");
}

// Makes the peak the current resident size; false when the kernel does not allow it.
inline bool resetPeak() {
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
  clear.flush();
  return static_cast<bool>(clear);
}

inline long long peakKilobytes() {
  return statusKilobytes("VmHWM");
}

}  // namespace bench
