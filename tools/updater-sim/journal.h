#pragma once

// Where the stand-in tells what it does: progress on its standard output, flushed line by line
// so a console shows it live, and everything, details included, in the trace file when one is
// asked for.

#include <fstream>
#include <string>

namespace qu::sim {

class Journal {
 public:
  // `traceFile` empty: no trace. A trace that cannot be created is reported and skipped.
  explicit Journal(const std::string& traceFile);

  // A progress line: output and trace.
  void say(const std::string& line);
  // A detail: trace only.
  void detail(const std::string& line);

 private:
  std::ofstream trace_;
};

}  // namespace qu::sim
