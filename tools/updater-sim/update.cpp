#include "update.h"

#include <chrono>
#include <thread>

#include "delivery.h"
#include "delivery_plan.h"
#include "platform/utf8_path.h"
#include "return_codes.h"

namespace qu::sim {
namespace {

namespace fs = std::filesystem;

Outcome outcome(ReturnCode code, std::string detail) {
  return {static_cast<int>(code), std::move(detail), returnMessage(code)};
}

// Meant to be ended by a stop; a stand-in left behind by a test that died gives up in the
// end, so that it does not block later runs for good.
void hangUntilTerminated(Journal& journal) {
  journal.say("Waiting for the update source to answer...");
  std::this_thread::sleep_for(std::chrono::minutes(10));
}

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ";") + item;
  return text;
}

}  // namespace

fs::path resolveSource(const std::string& source, const fs::path& ownFolder, const Knobs& knobs) {
  if (source != kServersSource) return pathFromUtf8(source);
  return knobs.qlSource.empty() ? ownFolder / "sample-source" : pathFromUtf8(knobs.qlSource);
}

Outcome runUpdate(const SimSettings& settings, const fs::path& ownFolder, const Knobs& knobs,
                  Journal& journal) {
  const fs::path source = resolveSource(settings.source, ownFolder, knobs);
  journal.say("Connecting to the update source " + utf8FromPath(source));
  if (knobs.hang) {
    hangUntilTerminated(journal);
    return outcome(ReturnCode::SourceMissing, "The update source did not answer");
  }
  std::error_code error;
  if (!fs::is_directory(source, error)) {
    return outcome(ReturnCode::SourceMissing, "Source: " + utf8FromPath(source));
  }
  journal.detail("Components: " + joined(settings.components));
  journal.detail("Builds: " + joined(settings.builds));
  journal.detail("Applications: " + joined(settings.applicationCodes));
  DeliveryPlan plan;
  try {
    plan = planDelivery(source, settings);
  } catch (const fs::filesystem_error& failure) {
    return outcome(ReturnCode::SourceMissing, failure.what());
  }
  for (const std::string& missing : plan.missingComponents) {
    journal.say("The source has no component " + missing);
  }
  if (plan.items.empty()) {
    return outcome(ReturnCode::NothingSelected, "Nothing on the source matches the selection");
  }
  const DeliveryResult result =
      deliver(plan, {source, pathFromUtf8(settings.tempDir), pathFromUtf8(settings.updatesDir)},
              knobs.fileDelay, journal);
  if (!result.failure.empty()) return outcome(ReturnCode::WriteError, result.failure);
  return outcome(ReturnCode::Success,
                 std::to_string(result.delivered) + " files delivered to " + settings.updatesDir);
}

}  // namespace qu::sim
