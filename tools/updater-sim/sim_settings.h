#pragma once

// What the stand-in takes from ss_storage.ini: where to download from and to, and the
// selection. An empty list is no filter, as the front end deletes a key to select everything.

#include <filesystem>
#include <string>
#include <vector>

namespace qu::sim {

inline constexpr const char* kServersSource = "$QL";

struct SimSettings {
  std::string source = kServersSource;  // Updater/update_srv_url0
  std::string tempDir = "Temp";         // Updater/temporary_dir
  std::string updatesDir = "Updates";   // Updater/retranslation_dir
  std::vector<std::string> components;  // Retranslation/component
  std::vector<std::string> builds;      // Retranslation/build
  // Product codes of Retranslation/application ("QAV 8.0.0.454" gives "QAV").
  std::vector<std::string> applicationCodes;
  bool modules = true;  // Retranslation/download_patches other than 0
};

// A missing file or key, or an empty value, gives the default above.
SimSettings readSimSettings(const std::filesystem::path& file);

// The items of a ";"-separated list, without surrounding blanks, empty items dropped.
std::vector<std::string> splitList(const std::string& list);

}  // namespace qu::sim
