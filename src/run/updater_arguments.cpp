#include "run/updater_arguments.h"

namespace qu {

std::string reportArgument(bool reportFile, bool append) {
  if (!reportFile) return "";
  return append ? " -rpt+ report.txt" : " -rpt report.txt";
}

std::vector<std::string> updaterArguments(std::string_view traceArg, std::string_view dumpArg,
                                          std::string_view reportArg) {
  const std::string text =
      " -c -u " + std::string(traceArg) + std::string(dumpArg) + std::string(reportArg);
  std::vector<std::string> arguments;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string::npos) end = text.size();
    if (end > start) arguments.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return arguments;
}

}  // namespace qu
