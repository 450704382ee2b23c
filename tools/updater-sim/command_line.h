#pragma once

// The utility's command line: " -c -u", then optional "-tf <file>", "-disableDumpWrite" and
// "-rpt <file>" or "-rpt+ <file>".

#include <string>
#include <vector>

namespace qu::sim {

struct CommandLine {
  std::string traceFile;   // empty: no trace
  std::string reportFile;  // empty: no report
  bool appendReport = false;
  bool dumpsDisabled = false;
  // Arguments the utility does not know, or a switch missing its file name; they are reported
  // and otherwise ignored.
  std::vector<std::string> unknown;
};

// `arguments` without the program itself.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

}  // namespace qu::sim
