#include "run/stored_run_options.h"

#include <algorithm>
#include <string_view>

#include "catalog/product_type.h"
#include "i18n/language_keys.h"
#include "run/updater_arguments.h"
#include "settings/index_list.h"
#include "settings/ini_file.h"
#include "settings/window_options.h"

namespace qu {
namespace {

// The boxes' control positions in their groups, which the stored lists record.
constexpr int kTracePosition = 2;  // GB_Supp
constexpr int kDumpPosition = 3;
constexpr int kAppendPosition = 0;  // GB_Rpt
constexpr int kDisplayPosition = 1;
constexpr int kFilePosition = 2;

bool listed(const std::vector<int>& positions, int position) {
  return std::find(positions.begin(), positions.end(), position) != positions.end();
}

}  // namespace

StoredRunOptions readStoredRunOptions(const std::filesystem::path& settingsFile) {
  const IniSnapshot file(settingsFile);
  const std::string gui(kGuiSection);
  const std::vector<int> service = indexListPositions(file.ReadString(gui, "s12", ""));
  const std::vector<int> report = indexListPositions(file.ReadString(gui, "s15", ""));
  StoredRunOptions options;
  options.trace = listed(service, kTracePosition);
  options.dump = listed(service, kDumpPosition);
  options.reportAppend = listed(report, kAppendPosition);
  options.reportDisplay = listed(report, kDisplayPosition);
  options.reportFile = listed(report, kFilePosition);
  options.languageIndex = languageIndexOrEnglish(file.ReadInteger(gui, "lng", 0));
  return options;
}

std::vector<std::string> storedRunArguments(const StoredRunOptions& options) {
  return updaterArguments(traceArgument(options.trace), dumpArgument(options.dump),
                          reportArgument(options.reportFile, options.reportAppend));
}

}  // namespace qu
