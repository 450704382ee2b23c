#include "command_line.h"

namespace qu::sim {

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool takesFile = argument == "-tf" || argument == "-rpt" || argument == "-rpt+";
    if (argument == "-c" || argument == "-u") continue;
    if (argument == "-disableDumpWrite") {
      line.dumpsDisabled = true;
    } else if (takesFile && i + 1 < arguments.size()) {
      const std::string& file = arguments[++i];
      if (argument == "-tf") {
        line.traceFile = file;
      } else {
        line.reportFile = file;
        line.appendReport = argument == "-rpt+";
      }
    } else {
      line.unknown.push_back(argument);
    }
  }
  return line;
}

}  // namespace qu::sim
