#pragma once

// Downloading, as far as a stand-in goes: each planned file is copied from the source into the
// temporary folder and then moved into the updates folder, so the updates folder never holds a
// half-written file. Folders are created as needed.

#include <chrono>
#include <cstddef>
#include <filesystem>
#include <string>

#include "delivery_plan.h"
#include "journal.h"

namespace qu::sim {

struct DeliveryResult {
  std::size_t delivered = 0;
  std::string failure;  // empty on success; else what could not be written, and why
};

struct DeliveryFolders {
  std::filesystem::path source;
  std::filesystem::path temp;
  std::filesystem::path updates;
};

// Stops at the first file that cannot be written. `delay` passes after every file.
DeliveryResult deliver(const DeliveryPlan& plan, const DeliveryFolders& folders,
                       std::chrono::milliseconds delay, Journal& journal);

}  // namespace qu::sim
