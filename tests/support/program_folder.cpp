#include "support/program_folder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "support/native_system.h"

namespace qu::testing {
namespace fs = std::filesystem;

namespace {

fs::path uniqueRoot() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / ("qu-test-" + std::to_string(random()));
    if (fs::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

// The running test binary under the program's name. Windows grants symbolic links to privileged
// users only, so there it is a hard link, or else a copy.
void placeThisProgram(const fs::path& target) {
#ifdef _WIN32
  const std::string self = NativeSystem().ownExecutablePath();
  const fs::path source(std::u8string(self.begin(), self.end()));
  std::error_code linked;
  fs::create_hard_link(source, target, linked);
  if (linked) fs::copy_file(source, target);
#else
  fs::create_symlink(fs::read_symlink("/proc/self/exe"), target);
#endif
}

}  // namespace

TemporaryProgramFolder::TemporaryProgramFolder(std::string_view name)
    : root_(uniqueRoot()), path_(root_ / fs::path(std::u8string(name.begin(), name.end()))) {
  fs::create_directories(path_);
  fs::copy_file(updaterStandIn(), file("Updater.exe"));
  placeThisProgram(file(kProgramFileName));
}

TemporaryProgramFolder::~TemporaryProgramFolder() {
  std::error_code ignored;
  fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
  fs::remove_all(root_, ignored);
}

std::string TemporaryProgramFolder::appDir() const {
  return path_.string() + "/";
}

bool TemporaryProgramFolder::exists(std::string_view name) const {
  return fs::exists(file(name));
}

std::string TemporaryProgramFolder::read(std::string_view name) const {
  std::ifstream in(file(name), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + file(name).string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void TemporaryProgramFolder::write(std::string_view name, std::string_view content) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + file(name).string());
}

void TemporaryProgramFolder::remove(std::string_view name) const {
  fs::remove(file(name));
}

void TemporaryProgramFolder::installLanguageFile() const {
  fs::copy_file(fs::path(QU_DATA_DIR) / "quintarisupdater.loc", file("quintarisupdater.loc"),
                fs::copy_options::overwrite_existing);
}

void TemporaryProgramFolder::installDefaultSettings() const {
  fs::copy_file(fs::path(QU_TESTS_DIR) / "unit/settings/data/default_ss_storage.ini",
                file("ss_storage.ini"), fs::copy_options::overwrite_existing);
}

fs::path TemporaryProgramFolder::updaterStandIn() {
  return QU_UPDATER_SIM_PATH;
}

}  // namespace qu::testing
