#pragma once

// The utility's command line, from the switches of the service boxes and the report boxes.

#include <string>
#include <string_view>
#include <vector>

namespace qu {

// " -rpt report.txt", " -rpt+ report.txt" when appending, or "" without a report file.
std::string reportArgument(bool reportFile, bool append);

// " -c -u " + trace + dump + report, split at blanks, with no empty elements. Nothing is cut or
// re-encoded.
std::vector<std::string> updaterArguments(std::string_view traceArg, std::string_view dumpArg,
                                          std::string_view reportArg);

}  // namespace qu
