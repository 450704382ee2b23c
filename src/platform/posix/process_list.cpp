#include "platform/posix/process_list.h"

#include <algorithm>
#include <fstream>
#include <string_view>
#include <system_error>

namespace qu {
namespace {

constexpr std::size_t kCommLength = 15;
constexpr std::string_view kDeleted = " (deleted)";

bool isNumber(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The file name part of the exe link; a replaced or removed file shows with " (deleted)".
std::string exeName(const std::filesystem::path& process) {
  std::error_code error;
  std::string target = std::filesystem::read_symlink(process / "exe", error).string();
  if (error || target.empty()) return "";
  if (target.ends_with(kDeleted)) target.resize(target.size() - kDeleted.size());
  return target.substr(target.find_last_of('/') + 1);
}

std::string firstLine(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  return line;
}

// The state letter follows the command name in parentheses, which may itself hold ')'.
bool isLive(const std::filesystem::path& process) {
  const std::string stat = firstLine(process / "stat");
  const auto close = stat.rfind(')');
  if (close == std::string::npos || close + 2 >= stat.size()) return false;
  const char state = stat[close + 2];
  return state != 'Z' && state != 'X';
}

bool runs(const std::filesystem::path& process, const std::string& name) {
  const std::string exe = exeName(process);
  const bool matches =
      exe.empty() ? firstLine(process / "comm") == name.substr(0, kCommLength) : exe == name;
  return matches && isLive(process);
}

}  // namespace

bool isProcessRunning(const std::string& name, const std::filesystem::path& proc) {
  if (name.empty()) return false;
  std::error_code error;
  for (std::filesystem::directory_iterator it(proc, error), end; !error && it != end;
       it.increment(error)) {
    if (isNumber(it->path().filename().string()) && runs(it->path(), name)) return true;
  }
  return false;
}

}  // namespace qu
