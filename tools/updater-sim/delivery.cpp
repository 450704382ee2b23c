#include "delivery.h"

#include <system_error>
#include <thread>

#include "platform/utf8_path.h"

namespace qu::sim {
namespace {

namespace fs = std::filesystem;

std::string failure(const fs::path& path, const std::error_code& error) {
  return "Cannot write " + utf8FromPath(path) + ": " + error.message();
}

// Moves within one file system; copies where a rename cannot reach.
std::error_code move(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::rename(from, to, error);
  if (!error) return error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (!error) fs::remove(from, error);
  return error;
}

// "[3/10] COMPONENT/file". Built by appending: GCC 12 at -O3 reports a false -Wrestrict overlap
// for a chain of operator+ that starts with a literal.
std::string progressLine(std::size_t number, const std::string& total, const std::string& name) {
  std::string line(1, '[');
  line.append(std::to_string(number)).append(1, '/').append(total).append("] ").append(name);
  return line;
}

// Empty on success.
std::string deliverOne(const DeliveryItem& item, const DeliveryFolders& folders) {
  const fs::path staged = folders.temp / item.component / item.relative;
  const fs::path target = folders.updates / item.component / item.relative;
  std::error_code error;
  fs::create_directories(staged.parent_path(), error);
  if (!error) {
    fs::copy_file(folders.source / item.component / item.relative, staged,
                  fs::copy_options::overwrite_existing, error);
  }
  if (error) return failure(staged, error);
  fs::create_directories(target.parent_path(), error);
  if (!error) error = move(staged, target);
  return error ? failure(target, error) : "";
}

}  // namespace

DeliveryResult deliver(const DeliveryPlan& plan, const DeliveryFolders& folders,
                       std::chrono::milliseconds delay, Journal& journal) {
  DeliveryResult result;
  const std::string total = std::to_string(plan.items.size());
  for (const DeliveryItem& item : plan.items) {
    const std::string name = (fs::path(item.component) / item.relative).generic_string();
    journal.say(progressLine(result.delivered + 1, total, name));
    result.failure = deliverOne(item, folders);
    if (!result.failure.empty()) {
      journal.say(result.failure);
      return result;
    }
    ++result.delivered;
    if (delay.count() > 0) std::this_thread::sleep_for(delay);
  }
  return result;
}

}  // namespace qu::sim
