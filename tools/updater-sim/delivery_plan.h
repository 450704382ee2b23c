#pragma once

// Which files of an update source a selection asks for.
//
// A source is a folder with one subfolder per component. Of a component's folder:
// - the files at its top level always go;
// - "modules/" goes only when program modules are wanted (download_patches is not 0);
// - "build-<build>/" goes only when the build list is empty or names <build>;
// - "app-<code>/" goes only when the application list is empty or holds a product <code>;
// - any other subfolder always goes.
// Files go with their paths inside the component's folder.

#include <filesystem>
#include <string>
#include <vector>

#include "sim_settings.h"

namespace qu::sim {

struct DeliveryItem {
  std::string component;
  std::filesystem::path relative;  // inside the component's folder
};

struct DeliveryPlan {
  std::vector<DeliveryItem> items;  // ordered by component, then path
  // Selected components the source does not have.
  std::vector<std::string> missingComponents;
};

// An empty component list selects every component of the source.
DeliveryPlan planDelivery(const std::filesystem::path& source, const SimSettings& selection);

}  // namespace qu::sim
