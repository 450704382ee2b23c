#include "journal.h"

#include <iostream>

#include "platform/utf8_path.h"

namespace qu::sim {

Journal::Journal(const std::string& traceFile) {
  if (traceFile.empty()) return;
  trace_.open(pathFromUtf8(traceFile), std::ios::binary | std::ios::trunc);
  if (!trace_) say("Cannot create the trace file " + traceFile);
}

void Journal::say(const std::string& line) {
  std::cout << line << std::endl;
  detail(line);
}

void Journal::detail(const std::string& line) {
  if (trace_.is_open()) trace_ << line << '\n' << std::flush;
}

}  // namespace qu::sim
