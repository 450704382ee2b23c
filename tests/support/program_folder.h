#pragma once

// A program folder in a fresh temporary folder: the stand-in utility as Updater.exe and a link
// named QuintarisUpdater to the running test binary (which carries the front end's version
// stamp). No settings file and no language file unless a test adds them. Removed afterwards.

#include <filesystem>
#include <string>
#include <string_view>

namespace qu::testing {

#ifdef _WIN32
inline constexpr std::string_view kProgramFileName = "QuintarisUpdater.exe";
#else
inline constexpr std::string_view kProgramFileName = "QuintarisUpdater";
#endif

class TemporaryProgramFolder {
 public:
  // `name` becomes the last part of the folder's path (blanks and non-ASCII letters welcome).
  explicit TemporaryProgramFolder(std::string_view name = "program");
  ~TemporaryProgramFolder();
  TemporaryProgramFolder(const TemporaryProgramFolder&) = delete;
  TemporaryProgramFolder& operator=(const TemporaryProgramFolder&) = delete;

  // The length of every folder's path before its `name`, in the system's path units (UTF-16 on
  // Windows).
  static std::size_t prefixLength();

  const std::filesystem::path& path() const { return path_; }
  // The folder with its trailing separator, as the program's AppDir.
  std::string appDir() const;
  std::filesystem::path file(std::string_view name) const { return path_ / name; }
  std::string programPath() const;

  // A new folder beside the program folder, removed with it.
  std::filesystem::path folderBeside(std::string_view name) const;
  // Where the program's instance lock goes instead of the user's own folder: beside the program
  // folder, not created (the lock creates it), removed with it.
  std::filesystem::path lockFolder() const { return root_ / "lock"; }

  bool exists(std::string_view name) const;
  std::string read(std::string_view name) const;
  void write(std::string_view name, std::string_view content) const;
  void remove(std::string_view name) const;
  // Copies the delivered language file into the folder.
  void installLanguageFile() const;
  // Puts the settings file the program creates on first start into the folder.
  void installDefaultSettings() const;
  // The stand-in utility as built, for tests that place it themselves.
  static std::filesystem::path updaterStandIn();

 private:
  std::filesystem::path root_;
  std::filesystem::path path_;
};

}  // namespace qu::testing
