#pragma once

// What the window options stored in the settings file mean for a run, read exactly as the window
// reads them back when it loads the file: the service boxes (GUI/s12), the report boxes
// (GUI/s15) and the language (GUI/lng).

#include <filesystem>
#include <string>
#include <vector>

namespace qu {

struct StoredRunOptions {
  bool trace = false;          // ChBox_Trace
  bool dump = false;           // ChBox_Dump
  bool reportAppend = false;   // ChBox_RptAppend
  bool reportDisplay = false;  // ChBox_RptDisplay
  bool reportFile = false;     // ChBox_RptFile
  int languageIndex = 0;       // the entry of CB_Lng
};

// A missing file gives every box unticked and English.
StoredRunOptions readStoredRunOptions(const std::filesystem::path& settingsFile);

// The utility's arguments that the window's Start passes once it has loaded and applied those
// options.
std::vector<std::string> storedRunArguments(const StoredRunOptions& options);

}  // namespace qu
