#include "delivery_plan.h"

#include <algorithm>
#include <set>
#include <tuple>

namespace qu::sim {
namespace {

namespace fs = std::filesystem;

bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}

// One plain folder name: nothing that could lead out of the source or the updates folder.
bool plainName(const std::string& name) {
  return name != "." && name != ".." && name.find_first_of("/\\") == std::string::npos;
}

bool passes(const std::string& folder, const SimSettings& selection) {
  if (folder == "modules") return selection.modules;
  if (folder.starts_with("build-")) {
    return selection.builds.empty() || contains(selection.builds, folder.substr(6));
  }
  if (folder.starts_with("app-")) {
    return selection.applicationCodes.empty() ||
           contains(selection.applicationCodes, folder.substr(4));
  }
  return true;
}

void addFiles(const fs::path& componentFolder, const std::string& component,
              const SimSettings& selection, std::vector<DeliveryItem>& items) {
  for (const auto& entry : fs::directory_iterator(componentFolder)) {
    if (entry.is_regular_file()) {
      items.push_back({component, entry.path().filename()});
    } else if (entry.is_directory() && passes(entry.path().filename().string(), selection)) {
      for (const auto& file : fs::recursive_directory_iterator(entry.path())) {
        if (file.is_regular_file()) {
          items.push_back({component, file.path().lexically_relative(componentFolder)});
        }
      }
    }
  }
}

std::vector<std::string> sourceComponents(const fs::path& source) {
  std::vector<std::string> components;
  for (const auto& entry : fs::directory_iterator(source)) {
    if (entry.is_directory()) components.push_back(entry.path().filename().string());
  }
  return components;
}

}  // namespace

DeliveryPlan planDelivery(const fs::path& source, const SimSettings& selection) {
  DeliveryPlan plan;
  const std::vector<std::string> components =
      selection.components.empty() ? sourceComponents(source) : selection.components;
  std::set<std::string> seen;
  for (const std::string& component : components) {
    if (!seen.insert(component).second) continue;
    const fs::path folder = source / component;
    if (plainName(component) && fs::is_directory(folder)) {
      addFiles(folder, component, selection, plan.items);
    } else {
      plan.missingComponents.push_back(component);
    }
  }
  std::sort(plan.items.begin(), plan.items.end(), [](const auto& a, const auto& b) {
    return std::tie(a.component, a.relative) < std::tie(b.component, b.relative);
  });
  return plan;
}

}  // namespace qu::sim
