#include "support/program_folder.h"

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

#include "platform/utf8_path.h"
#include "support/line_ends.h"
#include "support/native_system.h"
#include "support/remove_tree.h"

namespace qu::testing {
namespace fs = std::filesystem;

namespace {

// Always the same length, so that tests can size a folder's path exactly.
fs::path rootName(unsigned number) {
  std::string digits = std::to_string(number);
  return "qu-test-" + std::string(10 - digits.size(), '0') + digits;
}

fs::path uniqueRoot() {
  std::random_device random;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fs::path candidate = fs::temp_directory_path() / rootName(random());
    if (fs::create_directory(candidate)) return candidate;
  }
  throw std::runtime_error("cannot create a temporary folder");
}

// The running test binary under the program's name. Windows grants symbolic links to privileged
// users only, and no link of a running program can be deleted, so there it is a copy.
void placeThisProgram(const fs::path& target) {
#ifdef _WIN32
  fs::copy_file(pathFromUtf8(NativeSystem().ownExecutablePath()), target);
#else
  fs::create_symlink(fs::read_symlink("/proc/self/exe"), target);
#endif
}

}  // namespace

TemporaryProgramFolder::TemporaryProgramFolder(std::string_view name)
    : root_(uniqueRoot()), path_((root_ / pathFromUtf8(name)).make_preferred()) {
  fs::create_directories(path_);
  fs::copy_file(updaterStandIn(), file("Updater.exe"));
  placeThisProgram(file(kProgramFileName));
}

TemporaryProgramFolder::~TemporaryProgramFolder() {
  test::removeTree(root_);
}

std::size_t TemporaryProgramFolder::prefixLength() {
  return (fs::temp_directory_path() / rootName(0) / "").native().size();
}

std::string TemporaryProgramFolder::appDir() const {
  return utf8FromPath(path_ / "");
}

std::string TemporaryProgramFolder::programPath() const {
  return utf8FromPath(file(kProgramFileName));
}

fs::path TemporaryProgramFolder::folderBeside(std::string_view name) const {
  const fs::path folder = root_ / pathFromUtf8(name);
  fs::create_directories(folder);
  return folder;
}

bool TemporaryProgramFolder::exists(std::string_view name) const {
  return fs::exists(file(name));
}

std::string TemporaryProgramFolder::read(std::string_view name) const {
  std::ifstream in(file(name), std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + utf8FromPath(file(name)));
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void TemporaryProgramFolder::write(std::string_view name, std::string_view content) const {
  std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
  out << content;
  if (!out) throw std::runtime_error("cannot write " + utf8FromPath(file(name)));
}

void TemporaryProgramFolder::remove(std::string_view name) const {
  fs::remove(file(name));
}

void TemporaryProgramFolder::installLanguageFile() const {
  fs::copy_file(fs::path(QU_DATA_DIR) / "quintarisupdater.loc", file("quintarisupdater.loc"),
                fs::copy_options::overwrite_existing);
}

void TemporaryProgramFolder::installDefaultSettings() const {
  std::ifstream in(fs::path(QU_TESTS_DIR) / "unit/settings/data/default_ss_storage.ini",
                   std::ios::binary);
  std::ostringstream stored;
  stored << in.rdbuf();
  write("ss_storage.ini", test::withPlatformLineEnds(stored.str()));
}

fs::path TemporaryProgramFolder::updaterStandIn() {
  return QU_UPDATER_SIM_PATH;
}

}  // namespace qu::testing
