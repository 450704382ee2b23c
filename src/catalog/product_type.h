#pragma once

// ProductType turns the state of the selection controls into the values Apply writes into the
// updater's settings file and the two switches of the updater's command line.

#include <functional>
#include <set>
#include <string>
#include <string_view>

namespace qu {

inline constexpr std::string_view kDefaultIndexFileName = "u0607g.xml";
inline constexpr std::string_view kDefaultIndexUrlPath = "index/";
inline constexpr std::string_view kTraceSwitch = " -tf updater_trace.log";
inline constexpr std::string_view kNoDumpSwitch = " -disableDumpWrite";

// The expert dialog's seven fields (LE_IndexFN, LE_UrlPath, LE_Cmp, LE_Bld, LE_App, LE_OS, LE_Lng).
struct ExpertFields {
  std::string indexFileName;
  std::string indexUrlPath;
  std::string components;
  std::string builds;
  std::string applications;
  std::string osList;
  std::string languageList;
};

using TickedBoxes = std::set<std::string, std::less<>>;

struct SelectionState {
  bool updateAll = false;      // RB_UpdAll
  bool updateSelected = true;  // RB_UpdSel
  bool expertMode = false;     // RB_AM: the expert dialog applies its fields
  ExpertFields expert;
  bool trace = false;  // ChBox_Trace
  bool dump = false;   // ChBox_Dump
  TickedBoxes ticked;  // names of the ticked product boxes; unknown names are ignored
  // What the last expert Apply set; every other path passes them through unchanged.
  std::string osList;
  std::string languageList;
};

// Which rule of the catalog refused a selection.
enum class CatalogRefusal {
  None,
  AdminKitAlone,    // an Administration Kit box ticked with no product for it to update
  NothingSelected,  // no component chosen at all
};

struct ProductSelection {
  std::string indexFileName;
  std::string indexUrlPath;
  std::string components;    // raw: items end in ";", shared sets may repeat across steps
  std::string builds;        // raw, like components
  std::string applications;  // in step order, each item ending in ";"
  std::string osList;
  std::string languageList;
  std::string traceArg;
  std::string dumpArg;
  bool inputError = false;  // the selection yields nothing that can be written
  CatalogRefusal refusal = CatalogRefusal::None;  // set with inputError, by the catalog alone
};

// The switches of the two service boxes: the trace when ChBox_Trace is ticked, and the one that
// turns crash dumps off when ChBox_Dump is not.
std::string traceArgument(bool traceTicked);
std::string dumpArgument(bool dumpTicked);

// Pure: reads no control and no file. The switches follow ChBox_Trace and ChBox_Dump on every
// path, so a run started after an update-all or expert Apply honours the boxes the user sees.
ProductSelection ProductType(const SelectionState& state);

}  // namespace qu
