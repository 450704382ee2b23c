#include "outputs.h"

#include <ctime>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "platform/utf8_path.h"

namespace qu::sim {
namespace {

std::string localTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::ostringstream text;
  text << std::put_time(std::localtime(&now), "%Y-%m-%d %H:%M:%S");
  return text.str();
}

std::string listOrAll(const std::vector<std::string>& items) {
  if (items.empty()) return "(all)";
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ";") + item;
  return text;
}

}  // namespace

bool writeRunLog(const std::filesystem::path& file, const Outcome& outcome) {
  std::ofstream log(file, std::ios::binary | std::ios::trunc);
  log << outcome.code << "\r\n" << outcome.detail << "\r\n" << outcome.message << "\r\n";
  log.close();
  return !log.fail();
}

void writeReport(const std::string& file, bool append, const std::string& source,
                 const SimSettings& settings, const Outcome& outcome) {
  std::ofstream report(pathFromUtf8(file),
                       std::ios::binary | (append ? std::ios::app : std::ios::trunc));
  report << "Update report, " << localTimeNow() << '\n'
         << "Source: " << source << '\n'
         << "Components: " << listOrAll(settings.components) << '\n'
         << "Builds: " << listOrAll(settings.builds) << '\n'
         << "Applications: " << listOrAll(settings.applicationCodes) << '\n'
         << "Program modules: " << (settings.modules ? "yes" : "no") << '\n'
         << outcome.detail << '\n'
         << "Return code " << outcome.code << ": " << outcome.message << "\n\n";
}

void recordArguments(const std::string& file, const std::vector<std::string>& argv) {
  std::ofstream record(pathFromUtf8(file), std::ios::binary | std::ios::trunc);
  for (const std::string& argument : argv) record << argument << '\n';
}

void writeCrashDump() {
  std::ofstream(kCrashDumpName, std::ios::binary | std::ios::trunc)
      << "Crash dump of the updater stand-in, " << localTimeNow() << '\n';
}

}  // namespace qu::sim
